#include "export/format1_writer.h"

#include "core/tovix_doc.h"
#include "export/code_page_932.h"
#include "export/pixel_lines.h"
#include "export/text_writer.h"

namespace {

void WriteHeaderBlock(TextWriter& out, const CTOVIXDoc& doc)
{
    out.Text("/*************************************************\n TOVIX Output File\n");
    out.Text(ToCodePage932(" ｶﾗｰﾓｰﾄﾞ"));
    out.Decimal(static_cast<int>(doc.m_nColorMode));
    out.Text(" bit\n");
    out.Text(ToCodePage932(" ｻｲｽﾞ   "));
    out.Decimal(doc.m_nWidth);
    out.Text(ToCodePage932(" × "));
    out.Decimal(doc.m_nHeight);
    out.Text(" dot\n*************************************************/\n");
}

void WriteDeclaration(TextWriter& out, const std::string& exportName932, const CTOVIXDoc& doc, const ModeLayout& layout)
{
    const std::int64_t nData = DataElementCount(layout, doc.m_nWidth, doc.m_nHeight);
    out.Text(layout.pszElementType);
    out.Text(" ");
    out.Text(exportName932);
    out.Text("[");
    if (HasLongSizePrefix(layout, doc.m_nWidth, doc.m_nHeight)) {
        out.Decimal(nData + 4);
        out.Text("] = {");
        for (std::int32_t side : {doc.m_nWidth, doc.m_nHeight}) {
            out.Hex(static_cast<std::uint32_t>(side >> 8) & 0xFF, 2, true);
            out.Comma();
            out.Hex(static_cast<std::uint32_t>(side) & 0xFF, 2, true);
            out.Comma();
        }
        out.Text("/* WH,WL,HH,HL */\n");
        return;
    }
    out.Decimal(nData + 2);
    out.Text("] = {");
    out.Decimal(doc.m_nWidth);
    out.Comma();
    out.Decimal(doc.m_nHeight);
    out.Comma();
    out.Text(layout.bByteArray ? "/* W,H */\n" : "\n");
}

} // namespace

void WriteFormat1(TextWriter& out, const std::string& exportName932, const CTOVIXDoc& doc)
{
    WriteHeaderBlock(out, doc);
    const ModeLayout* layout = FindModeLayout(doc.m_nColorMode);
    if (layout == nullptr) return;
    WriteDeclaration(out, exportName932, doc, *layout);
    WritePixelLines(out, doc, *layout, true);
    out.Text("};\n");
}
