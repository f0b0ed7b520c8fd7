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
    out.Text("\n\n");
}

// "const uint8_t NAME[N] ATTRIBUTE", the part the definition and the extern
// declaration share.
void WriteArrayDeclarator(TextWriter& out, const std::string& identifier, std::int64_t nCount, const ExportJob& job)
{
    out.Text("const uint8_t " + identifier + "[");
    out.Decimal(nCount);
    out.Text("]");
    if (!job.bytes.strAttribute.empty()) out.Text(" " + job.bytes.strAttribute);
}

// The arrays of an export: a palette format's palette, then the pixels.
struct ArrayPart {
    std::string identifier;
    std::int64_t nCount;
    bool bPalette;
};

std::vector<ArrayPart> Arrays(const std::string& identifier, const ExportJob& job)
{
    const CapturedPicture& picture = job.picture;
    std::vector<ArrayPart> arrays;
    if (FindPixelFormat(picture.mode)->UsesPalette())
        arrays.push_back({identifier + kPaletteSuffix, PaletteBytesCount(picture.mode, job.bytes), true});
    arrays.push_back({identifier, BytesCount(picture.mode, picture.nWidth, picture.nHeight, job.bytes), false});
    return arrays;
}

} // namespace

std::string BytesSettingsLine(std::int64_t nWidth, std::int64_t nHeight, ColorMode mode, const BytesOptions& options)
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
    bool bFirst = true;
    for (const ArrayPart& array : Arrays(identifier, job)) {
        if (!bFirst) out.Text("\n");
        bFirst = false;
        // A const array at namespace scope has internal linkage in C++; a
        // declaration before the definition gives it external linkage there too.
        if (!job.bytes.bStatic && job.bytes.strHeaderInclude.empty()) {
            out.Text("extern ");
            WriteArrayDeclarator(out, array.identifier, array.nCount, job);
            out.Text(";\n");
        }
        if (job.bytes.bStatic) out.Text("static ");
        WriteArrayDeclarator(out, array.identifier, array.nCount, job);
        out.Text(" = {\n");
        const std::vector<std::uint8_t> bytes = array.bPalette ? PackPalette(picture, job.bytes) : PackBytes(picture, job.bytes);
        out.ByteList(bytes.data(), bytes.size(), kBytesPerLine);
        out.Text("};\n");
    }
}

void WriteBytesHeader(TextWriter& out, const ExportJob& job, const std::string& guard)
{
    const CapturedPicture& picture = job.picture;
    const std::string identifier = MakeCIdentifier(job.exportName);
    out.Text(BytesSettingsLine(picture.nWidth, picture.nHeight, picture.mode, job.bytes) + "\n");
    out.Text("#ifndef " + guard + "\n#define " + guard + "\n\n");
    WriteSizeMacros(out, identifier, job);
    out.Text(kExternCBegin);
    for (const ArrayPart& array : Arrays(identifier, job)) {
        out.Text("extern ");
        WriteArrayDeclarator(out, array.identifier, array.nCount, job);
        out.Text(";\n");
    }
    out.Text(kExternCEnd);
    out.Text("\n#endif\n");
}

std::string HeaderGuard(const std::string& headerPath)
{
    std::string guard = MakeCIdentifier(std::filesystem::path(headerPath).filename().string());
    for (char& c : guard)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return guard;
}
