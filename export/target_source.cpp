// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/target_source.h"

#include "core/pixel_format.h"
#include "export/bytes_writer.h"
#include "export/export_job.h"
#include "export/target_data.h"
#include "export/text_writer.h"

namespace {

constexpr int kWordsPerLine = 12;

} // namespace

std::string TargetSettingsLine(std::int64_t nWidth, std::int64_t nHeight, const DisplayTarget& target, ColorMode mode,
                               bool bInvert)
{
    return "/* " + std::to_string(nWidth) + "x" + std::to_string(nHeight) + " pixels, tovix-export --for " +
           target.pszWord + " -m " + ModeWord(mode) + (bInvert ? " --invert" : "") + " */";
}

void WriteTargetOpening(TextWriter& out, const DisplayTarget& target, const ExportJob& job, const std::string& howTo)
{
    const CapturedPicture& picture = job.picture;
    out.Text(TargetSettingsLine(picture.nWidth, picture.nHeight, target, picture.mode, job.bytes.bInvert) + "\n");
    out.Text("/* " + howTo + " */\n");
}

std::string MonoMeaning(const ExportJob& job)
{
    return std::string("a set bit is a ") + (job.bytes.bInvert ? "white" : "black") + " pixel of the picture";
}

std::string Counted(std::int64_t n, const std::string& noun)
{
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

void WriteTargetData(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    if (!WritesWords(target.layout, job.picture.mode)) {
        ForEachDataBlock(target.layout, job, kTargetBytesPerLine, [&out](std::span<const std::uint8_t> block, bool bLast) {
            out.ByteList(block.data(), block.size(), kTargetBytesPerLine, !bLast);
        });
        return;
    }
    ForEachDataBlock(target.layout, job, 2 * kWordsPerLine, [&out](std::span<const std::uint8_t> block, bool bLast) {
        out.WordList(block.data(), block.size() / 2, kWordsPerLine, !bLast);
    });
}

void WriteTargetRawData(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    ForEachDataBlock(target.layout, job, 1, [&out](std::span<const std::uint8_t> block, bool) { out.Raw(block.data(), block.size()); });
}

void WriteExternArray(TextWriter& out, const std::string& name, const char* pszType, const ExportJob& job,
                      const DisplayTarget& target)
{
    const CapturedPicture& picture = job.picture;
    const bool bWords = WritesWords(target.layout, picture.mode);
    const std::int64_t nBytes = ArrayBytes(target.layout, picture.mode, picture.nWidth, picture.nHeight);
    const std::string declarator =
        std::string("const ") + pszType + " " + name + "[" + std::to_string(bWords ? nBytes / 2 : nBytes) + "] PROGMEM";
    out.Text("#include <stdint.h>\n" + ProgmemPrologue("PROGMEM") + "\n");
    out.Text("#define " + name + "_WIDTH " + std::to_string(picture.nWidth) + "\n#define " + name + "_HEIGHT " +
             std::to_string(picture.nHeight) + "\n\n");
    out.Text(kExternCBegin);
    out.Text("extern " + declarator + ";\n");
    out.Text(kExternCEnd);
    out.Text(declarator + " = {\n");
    WriteTargetData(out, job, target);
    out.Text("};\n");
}
