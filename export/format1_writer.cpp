// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/format1_writer.h"

#include "export/code_page_932.h"
#include "export/export_job.h"
#include "export/export_name.h"
#include "export/pixel_lines.h"
#include "export/text_writer.h"

std::string Format1CommentBlock(std::int64_t nMode, std::int64_t nWidth, std::int64_t nHeight)
{
    return "/*************************************************\n TOVIX Output File\n" + ToCodePage932(" ｶﾗｰﾓｰﾄﾞ") +
           std::to_string(nMode) + " bit\n" + ToCodePage932(" ｻｲｽﾞ   ") + std::to_string(nWidth) + ToCodePage932(" × ") +
           std::to_string(nHeight) + " dot\n*************************************************/\n";
}

std::int64_t Format1ElementCount(const ModeLayout& layout, std::int64_t nWidth, std::int64_t nHeight)
{
    return DataElementCount(layout, nWidth, nHeight) + (HasLongSizePrefix(layout, nWidth, nHeight) ? 4 : 2);
}

std::string Format1SizePrefix(const ModeLayout& layout, std::int64_t nWidth, std::int64_t nHeight)
{
    if (!HasLongSizePrefix(layout, nWidth, nHeight))
        return std::to_string(nWidth) + "," + std::to_string(nHeight) + "," + (layout.bByteArray ? "/* W,H */" : "");
    std::string prefix;
    for (std::int64_t side : {nWidth, nHeight}) {
        for (std::int64_t byte : {(side >> 8) & 0xFF, side & 0xFF}) {
            const char hex[] = "0123456789abcdef";
            prefix += std::string("0x") + hex[byte >> 4] + hex[byte & 15] + ",";
        }
    }
    return prefix + "/* WH,WL,HH,HL */";
}

void WriteFormat1(TextWriter& out, const ExportJob& job)
{
    const CapturedPicture& picture = job.picture;
    out.Text(Format1CommentBlock(static_cast<int>(picture.mode), picture.nWidth, picture.nHeight));
    const ModeLayout* layout = FindModeLayout(picture.mode);
    if (layout == nullptr) return;
    out.Text(std::string(layout->pszElementType) + " " + ToCodePage932(MakeFormat1Identifier(job.exportName)) + "[");
    out.Decimal(Format1ElementCount(*layout, picture.nWidth, picture.nHeight));
    out.Text("] = {" + Format1SizePrefix(*layout, picture.nWidth, picture.nHeight) + "\n");
    WritePixelLines(out, picture, *layout, true);
    out.Text("};\n");
}
