// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/target_source.h"

#include "core/pixel_format.h"
#include "export/bytes_writer.h"
#include "export/export_job.h"
#include "export/export_name.h"
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
    out.Text(TargetHeaderLine(target, job) + "\n");
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

std::string DataDeclarator(const std::string& name, const ExportJob& job, const DisplayTarget& target)
{
    const CapturedPicture& picture = job.picture;
    const bool bWords = WritesWords(target.layout, picture.mode);
    const std::int64_t nBytes = ArrayBytes(target.layout, picture.mode, picture.nWidth, picture.nHeight);
    return std::string("const ") + (bWords ? "uint16_t " : "uint8_t ") + name + "[" +
           std::to_string(bWords ? nBytes / 2 : nBytes) + "] PROGMEM";
}

std::string MaskDeclarator(const std::string& name, const CapturedPicture& picture)
{
    return "const uint8_t " + name + "_mask[" + std::to_string((picture.nWidth + 7) / 8 * picture.nHeight) + "] PROGMEM";
}

void WriteExternArray(TextWriter& out, const std::string& name, const ExportJob& job, const DisplayTarget& target)
{
    const std::string declarator = DataDeclarator(name, job, target);
    out.Text(DeclarationsOrInclude(job, ArrayDeclarations(name, job.picture, {declarator})));
    out.Text(declarator + " = {\n");
    WriteTargetData(out, job, target);
    out.Text("};\n");
}

bool HasHeader(const ExportJob& job)
{
    return !job.bytes.strHeaderInclude.empty();
}

std::string TargetHeaderLine(const DisplayTarget& target, const ExportJob& job)
{
    const CapturedPicture& picture = job.picture;
    return TargetSettingsLine(picture.nWidth, picture.nHeight, target, picture.mode, job.bytes.bInvert);
}

void WriteTargetHeader(TextWriter& out, const std::string& firstLine, const std::string& guard,
                       const std::string& declarations)
{
    out.Text(firstLine + "\n#ifndef " + guard + "\n#define " + guard + "\n\n" + declarations + "\n#endif\n");
}

std::string DeclarationsOrInclude(const ExportJob& job, const std::string& declarations)
{
    return HasHeader(job) ? "#include \"" + job.bytes.strHeaderInclude + "\"\n\n" : declarations;
}

std::string ArrayDeclarations(const std::string& name, const CapturedPicture& picture,
                              const std::vector<std::string>& declarators)
{
    std::string text = "#include <stdint.h>\n" + ProgmemPrologue("PROGMEM") + "\n#define " + name + "_WIDTH " +
                       std::to_string(picture.nWidth) + "\n#define " + name + "_HEIGHT " +
                       std::to_string(picture.nHeight) + "\n\n" + kExternCBegin;
    for (const std::string& declarator : declarators) text += "extern " + declarator + ";\n";
    return text + kExternCEnd;
}

void WriteGfxHeader(TextWriter& out, const ExportJob& job, const DisplayTarget& target, const std::string& guard)
{
    const std::string name = MakeCIdentifier(job.exportName);
    std::vector<std::string> declarators = {DataDeclarator(name, job, target)};
    if (job.picture.mode == ColorMode::Rgb565A1) declarators.push_back(MaskDeclarator(name, job.picture));
    WriteTargetHeader(out, TargetHeaderLine(target, job), guard, ArrayDeclarations(name, job.picture, declarators));
}
