#include "export/bytes_writer.h"

#include "core/tovix_doc.h"
#include "export/bytes_layout.h"
#include "export/export_name.h"
#include "export/text_writer.h"

#include <filesystem>

namespace {

constexpr int kBytesPerLine = 16;

void WriteSettingsLine(TextWriter& out, const CTOVIXDoc& doc, const BytesOptions& options)
{
    out.Text("/* ");
    out.Decimal(doc.m_nWidth);
    out.Text("x");
    out.Decimal(doc.m_nHeight);
    out.Text(" pixels, tovix-export -f bytes " + DescribeLayout(doc.m_nColorMode, options) + " */\n");
}

void WriteSizeMacros(TextWriter& out, const std::string& identifier, const CTOVIXDoc& doc)
{
    out.Text("#include <stdint.h>\n\n#define " + identifier + "_WIDTH ");
    out.Decimal(doc.m_nWidth);
    out.Text("\n#define " + identifier + "_HEIGHT ");
    out.Decimal(doc.m_nHeight);
    out.Text("\n\n");
}

// "const uint8_t NAME[N] ATTRIBUTE", the part the definition and the extern
// declaration share.
void WriteArrayDeclarator(TextWriter& out, const std::string& identifier, const CTOVIXDoc& doc,
                          const BytesOptions& options)
{
    out.Text("const uint8_t " + identifier + "[");
    out.Decimal(BytesCount(doc.m_nColorMode, doc.m_nWidth, doc.m_nHeight, options));
    out.Text("]");
    if (!options.strAttribute.empty()) out.Text(" " + options.strAttribute);
}

} // namespace

void WriteBytesSource(TextWriter& out, const std::string& identifier, const CTOVIXDoc& doc,
                      const BytesOptions& options)
{
    WriteSettingsLine(out, doc, options);
    if (options.strHeaderInclude.empty())
        WriteSizeMacros(out, identifier, doc);
    else
        out.Text("#include \"" + options.strHeaderInclude + "\"\n\n");
    if (options.bStatic) out.Text("static ");
    WriteArrayDeclarator(out, identifier, doc, options);
    out.Text(" = {\n");
    const std::vector<std::uint8_t> bytes = PackBytes(doc, options);
    out.ByteList(bytes.data(), bytes.size(), kBytesPerLine);
    out.Text("};\n");
}

void WriteBytesHeader(TextWriter& out, const std::string& identifier, const std::string& guard, const CTOVIXDoc& doc,
                      const BytesOptions& options)
{
    WriteSettingsLine(out, doc, options);
    out.Text("#ifndef " + guard + "\n#define " + guard + "\n\n");
    WriteSizeMacros(out, identifier, doc);
    out.Text("extern ");
    WriteArrayDeclarator(out, identifier, doc, options);
    out.Text(";\n\n#endif\n");
}

std::string HeaderGuard(const std::string& headerPath)
{
    std::string guard = MakeCIdentifier(std::filesystem::path(headerPath).filename().string());
    for (char& c : guard)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return guard;
}
