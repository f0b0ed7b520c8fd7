// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/bytes_writer.h"

#include "core/pixel_format.h"
#include "export/bytes_layout.h"
#include "export/export_job.h"
#include "export/export_name.h"
#include "export/text_writer.h"

#include <filesystem>

std::string ProgmemPrologue(const std::string& macro)
{
    // PROGMEM comes from avr-libc; elsewhere the attribute means nothing.
    return "#ifdef __AVR__\n#include <avr/pgmspace.h>\n#endif\n#ifndef " + macro + "\n#define " + macro + "\n#endif\n";
}

const char* const kExternCBegin = "#ifdef __cplusplus\nextern \"C\" {\n#endif\n";
const char* const kExternCEnd = "#ifdef __cplusplus\n}\n#endif\n";
const char* const kPaletteSuffix = "_palette";

namespace {

constexpr int kBytesPerLine = 16;

void WriteSizeMacros(TextWriter& out, const std::string& identifier, const ExportJob& job)
{
    const CapturedPicture& picture = job.picture;
    out.Text("#include <stdint.h>\n");
    if (job.bytes.strAttribute.find("PROGMEM") != std::string::npos) out.Text(ProgmemPrologue("PROGMEM"));
    out.Text("\n#define " + identifier + "_WIDTH ");
    out.Decimal(picture.nWidth);
    out.Text("\n#define " + identifier + "_HEIGHT ");
    out.Decimal(picture.nHeight);
    if (job.bytes.bFrames) {
        out.Text("\n#define " + identifier + "_FRAME_COUNT ");
        out.Decimal(static_cast<std::int64_t>(job.frames.size()));
    }
    out.Text("\n\n");
}

// "const uint8_t NAME[N] ATTRIBUTE", the part the definition and the extern
// declaration share.
std::string ArrayDeclarator(const std::string& identifier, std::int64_t nCount, const LayoutOptions& options)
{
    return "const uint8_t " + identifier + "[" + std::to_string(nCount) + "]" +
           (options.strAttribute.empty() ? "" : " " + options.strAttribute);
}

// The start of a definition, up to its opening brace. A const array at
// namespace scope has internal linkage in C++; a declaration before the
// definition gives it external linkage there too.
void WriteDefinitionStart(TextWriter& out, const LayoutOptions& options, const std::string& declarator)
{
    if (!options.bStatic && options.strHeaderInclude.empty()) out.Text("extern " + declarator + ";\n");
    out.Text((options.bStatic ? "static " : "") + declarator + " = {\n");
}

// The arrays of a picture: a palette format's palette, then the pixels.
struct ArrayPart {
    std::string identifier;
    std::int64_t nCount;
    bool bPalette;
};

std::vector<ArrayPart> Arrays(const std::string& identifier, const CapturedPicture& picture, const LayoutOptions& options)
{
    std::vector<ArrayPart> arrays;
    if (FindPixelFormat(picture.mode)->UsesPalette())
        arrays.push_back({identifier + kPaletteSuffix, PaletteBytesCount(picture.mode, options), true});
    arrays.push_back({identifier, BytesCount(picture.mode, picture.nWidth, picture.nHeight, options), false});
    return arrays;
}

void WritePictureArrays(TextWriter& out, const std::string& identifier, const CapturedPicture& picture,
                        const LayoutOptions& options)
{
    bool bFirst = true;
    for (const ArrayPart& array : Arrays(identifier, picture, options)) {
        if (!bFirst) out.Text("\n");
        bFirst = false;
        WriteDefinitionStart(out, options, ArrayDeclarator(array.identifier, array.nCount, options));
        if (array.bPalette) {
            const std::vector<std::uint8_t> bytes = PackPalette(picture, options);
            out.ByteList(bytes.data(), bytes.size(), kBytesPerLine);
        } else {
            PackBlocks(picture, options, kBytesPerLine, [&out](std::span<const std::uint8_t> block, bool bLast) {
                out.ByteList(block.data(), block.size(), kBytesPerLine, !bLast);
            });
        }
        out.Text("};\n");
    }
}

// NAME_0, NAME_1 ... for the frames, then NAME_frames, pointing at them in
// order, and NAME_delays, how long each shows in milliseconds.
void WriteFrameArrays(TextWriter& out, const std::string& identifier, const ExportJob& job)
{
    const std::string count = "[" + std::to_string(job.frames.size()) + "]" +
                              (job.bytes.strAttribute.empty() ? "" : " " + job.bytes.strAttribute);
    std::string frames, delays;
    for (std::size_t i = 0; i < job.frames.size(); ++i) {
        const std::string name = identifier + "_" + std::to_string(i);
        WritePictureArrays(out, name, job.frames[i].picture, job.bytes);
        const char* separator = i % 8 == 0 ? "    " : " ";
        frames += (i > 0 && i % 8 == 0 ? "\n" : "") + std::string(separator) + name + ",";
        delays += (i > 0 && i % 8 == 0 ? "\n" : "") + std::string(separator) + std::to_string(job.frames[i].nDelayMs) + ",";
    }
    out.Text("\n/* The frames in order, and how long each shows in milliseconds. */\n");
    WriteDefinitionStart(out, job.bytes, "const uint8_t* const " + identifier + "_frames" + count);
    out.Text(frames + "\n};\n");
    WriteDefinitionStart(out, job.bytes, "const uint32_t " + identifier + "_delays" + count);
    out.Text(delays + "\n};\n");
}

} // namespace

std::string BytesSettingsLine(std::int64_t nWidth, std::int64_t nHeight, ColorMode mode, const LayoutOptions& options)
{
    return "/* " + std::to_string(nWidth) + "x" + std::to_string(nHeight) + " pixels, tovix-export -f bytes " +
           DescribeLayout(mode, options) + " */";
}

void WriteBytesSource(TextWriter& out, const ExportJob& job)
{
    const CapturedPicture& picture = job.picture;
    const std::string identifier = MakeCIdentifier(job.exportName);
    out.Text(BytesSettingsLine(picture.nWidth, picture.nHeight, picture.mode, job.bytes) + "\n");
    if (job.bytes.strHeaderInclude.empty())
        WriteSizeMacros(out, identifier, job);
    else
        out.Text("#include \"" + job.bytes.strHeaderInclude + "\"\n\n");
    if (job.bytes.bFrames) WriteFrameArrays(out, identifier, job);
    else WritePictureArrays(out, identifier, picture, job.bytes);
}

void WriteBytesBin(TextWriter& out, const ExportJob& job)
{
    // A palette format's palette goes first, as LVGL lays its indexed images out.
    if (FindPixelFormat(job.picture.mode)->UsesPalette()) {
        const std::vector<std::uint8_t> palette = PackPalette(job.picture, job.bytes);
        out.Raw(palette.data(), palette.size());
    }
    PackBlocks(job.picture, job.bytes, 1, [&out](std::span<const std::uint8_t> block, bool) { out.Raw(block.data(), block.size()); });
}

void WriteBytesHeader(TextWriter& out, const ExportJob& job, const std::string& guard)
{
    const CapturedPicture& picture = job.picture;
    const std::string identifier = MakeCIdentifier(job.exportName);
    out.Text(BytesSettingsLine(picture.nWidth, picture.nHeight, picture.mode, job.bytes) + "\n");
    out.Text("#ifndef " + guard + "\n#define " + guard + "\n\n");
    WriteSizeMacros(out, identifier, job);
    out.Text(kExternCBegin);
    for (const ArrayPart& array : Arrays(identifier, picture, job.bytes)) {
        out.Text("extern " + ArrayDeclarator(array.identifier, array.nCount, job.bytes) + ";\n");
    }
    out.Text(kExternCEnd);
    out.Text("\n#endif\n");
}

std::string HeaderGuard(const std::string& headerPath)
{
    // Upper case first, so that a header named "eof" cannot define EOF.
    std::string name = std::filesystem::path(headerPath).filename().string();
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return MakeCIdentifier(name);
}
