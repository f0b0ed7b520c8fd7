// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/export_checks.h"

#include "core/tovix_doc.h"
#include "export/export_format.h"
#include "export/mode_layout.h"
#include "export/output_sink.h"
#include "fuzz/fuzz_support.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kExportName = "fuzz";

// The data elements both formats carry: for two colours eight pixels a byte,
// first pixel in the high bit, set for black, each row padded to whole bytes;
// else one encoded value a pixel.
void FillExpectedElements(const CTOVIXDoc& doc, std::vector<std::uint32_t>& elements)
{
    elements.clear();
    const std::int64_t nWidth = doc.m_nWidth;
    const std::int64_t nHeight = doc.m_nHeight;
    if (nWidth * nHeight == 0) return;
    const PixelEncoder encoder = doc.Captured().MakeEncoder();
    if (doc.m_nColorMode != ColorMode::Mono) {
        for (std::int64_t i = 0; i < nWidth * nHeight; ++i) elements.push_back(encoder.Encode(doc.PixelArray[i]));
        return;
    }
    for (std::int64_t r = 0; r < nHeight; ++r) {
        for (std::int64_t c = 0; c < nWidth; c += 8) {
            std::uint32_t nByte = 0;
            for (std::int64_t k = c; k < c + 8 && k < nWidth; ++k)
                if (encoder.Encode(doc.PixelArray[r * nWidth + k]) == 0) nByte |= 0x80u >> (k - c);
            elements.push_back(nByte);
        }
    }
}

// The export lands in a string kept from run to run: a full-store export is
// tens of megabytes, and the sanitizer holds freed blocks back, so fresh
// memory every run would mean faulting in new pages, dearer than the writing.
const std::string& WriteInto(std::string& text, ExportFormat format, const CTOVIXDoc& doc)
{
    text.clear();
    StringSink sink(text);
    Require(WriteExport(sink.Sink(), FindOutputFormat(format), {doc.Captured(), kExportName, {}}), "export to memory failed");
    return text;
}

// Every line ends in CR LF.
bool HasOnlyCrLf(std::string_view text)
{
    for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1))
        if (i == 0 || text[i - 1] != '\r') return false;
    return true;
}

// Reads a comma-separated list in place, element by element: a full-store
// export holds millions. Line breaks and spaces may stand between elements
// and commas, and comments too where allowed; only the last comma may have
// no element after it, as C allows one trailing comma.
class ElementReader {
public:
    ElementReader(std::string_view list, bool bComments) : m_list(list), m_bComments(bComments) {}

    // The next element, or nothing at the end of the list.
    std::optional<std::string_view> Next()
    {
        SkipGaps();
        if (m_nPos == m_list.size()) return std::nullopt;
        const std::size_t nStart = m_nPos;
        while (m_nPos < m_list.size() && !IsBoundary(m_list[m_nPos])) ++m_nPos;
        Require(m_nPos > nStart, "empty element before a comma");
        const std::string_view element = m_list.substr(nStart, m_nPos - nStart);
        SkipGaps();
        m_bEndsInComma = m_nPos < m_list.size();
        if (m_bEndsInComma) {
            Require(m_list[m_nPos] == ',', "elements not separated by a comma");
            ++m_nPos;
        }
        return element;
    }

    bool EndsInComma() const { return m_bEndsInComma; }

private:
    bool IsBoundary(char c) const { return c == ',' || c == ' ' || c == '\r' || c == '\n' || (m_bComments && c == '/'); }

    void SkipGaps()
    {
        while (m_nPos < m_list.size()) {
            const char c = m_list[m_nPos];
            if (c == ' ' || c == '\r' || c == '\n') {
                ++m_nPos;
            } else if (m_bComments && c == '/' && m_nPos + 1 < m_list.size() && m_list[m_nPos + 1] == '*') {
                const std::size_t nEnd = m_list.find("*/", m_nPos + 2);
                Require(nEnd != std::string_view::npos, "comment not closed");
                m_nPos = nEnd + 2;
            } else {
                return;
            }
        }
    }

    std::string_view m_list;
    bool m_bComments;
    std::size_t m_nPos = 0;
    bool m_bEndsInComma = false;
};

std::uint64_t Decimal(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    Require(ec == std::errc() && end == text.data() + text.size(), "element is not a number");
    return value;
}

// A lower-case hex element of exactly nDigits digits, after "0x" if asked.
std::uint32_t HexElement(std::string_view text, int nDigits, bool bPrefix)
{
    if (bPrefix) {
        Require(text.starts_with("0x"), "hex element without 0x");
        text.remove_prefix(2);
    }
    Require(text.size() == static_cast<std::size_t>(nDigits), "hex element of the wrong width");
    std::uint32_t nValue = 0;
    for (const char c : text) {
        const bool bDigit = c >= '0' && c <= '9';
        Require(bDigit || (c >= 'a' && c <= 'f'), "not lower-case hex");
        nValue = nValue << 4 | static_cast<std::uint32_t>(bDigit ? c - '0' : c - 'a' + 10);
    }
    return nValue;
}

void CheckFormat2(std::string_view text, const CTOVIXDoc& doc, const std::vector<std::uint32_t>& expected)
{
    const ModeLayout* layout = FindModeLayout(doc.m_nColorMode);
    if (layout == nullptr) {
        Require(text.empty(), "FORMAT_2 of an unknown mode is not empty");
        return;
    }
    Require(HasOnlyCrLf(text), "FORMAT_2 has a bare LF");
    const std::string first = std::string(layout->pszIdentifier) + "," + std::to_string(doc.m_nWidth) + "," +
                              std::to_string(doc.m_nHeight) + ",\r\n";
    Require(text.starts_with(first), "FORMAT_2 first line");
    const std::string_view body = text.substr(first.size());
    Require(expected.empty() ? body.empty() : body.ends_with("\r\n"), "FORMAT_2 ending");
    // Only the packed two-colour bytes keep FORMAT_1's "0x".
    const bool bPrefix = doc.m_nColorMode == ColorMode::Mono;
    ElementReader elements(body, false);
    for (const std::uint32_t nExpected : expected) {
        const std::optional<std::string_view> element = elements.Next();
        Require(element.has_value(), "FORMAT_2 has fewer values than the picture");
        Require(HexElement(*element, layout->nDigits, bPrefix) == nExpected, "FORMAT_2 value differs from the encoded pixel");
    }
    Require(!elements.Next().has_value(), "FORMAT_2 has more values than the picture");
    Require(!elements.EndsInComma(), "FORMAT_2 ends in a comma");
}

// The size elements at the head of a FORMAT_1 array.
std::vector<std::uint64_t> ExpectedSizePrefix(const CTOVIXDoc& doc, const ModeLayout& layout)
{
    const auto w = static_cast<std::uint32_t>(doc.m_nWidth);
    const auto h = static_cast<std::uint32_t>(doc.m_nHeight);
    if (layout.bByteArray && (w >= 256 || h >= 256)) return {(w >> 8) & 0xFF, w & 0xFF, (h >> 8) & 0xFF, h & 0xFF};
    return {w, h};
}

void CheckFormat1(std::string_view text, const CTOVIXDoc& doc, const std::vector<std::uint32_t>& expected)
{
    Require(HasOnlyCrLf(text), "FORMAT_1 has a bare LF");
    const std::size_t nHeaderEnd = text.find("*/\r\n");
    Require(text.starts_with("/*") && nHeaderEnd != std::string_view::npos, "FORMAT_1 comment block");
    // The header's numbers; "\x81\x7E" is the times sign in code page 932.
    const std::string_view header = text.substr(0, nHeaderEnd);
    Require(header.find(std::to_string(static_cast<int>(doc.m_nColorMode)) + " bit\r\n") != std::string_view::npos,
            "FORMAT_1 header colour mode");
    Require(header.find(" " + std::to_string(doc.m_nWidth) + " \x81\x7E " + std::to_string(doc.m_nHeight) + " dot\r\n") !=
                std::string_view::npos,
            "FORMAT_1 header size");
    const std::string_view rest = text.substr(nHeaderEnd + 4);
    const ModeLayout* layout = FindModeLayout(doc.m_nColorMode);
    if (layout == nullptr) {
        Require(rest.empty(), "FORMAT_1 of an unknown mode has an array");
        return;
    }

    const std::string head = std::string(layout->pszElementType) + " " + kExportName + "[";
    Require(rest.starts_with(head), "FORMAT_1 declaration");
    const std::size_t nClose = rest.find("] = {");
    Require(nClose != std::string_view::npos, "FORMAT_1 declaration end");
    const std::uint64_t nDeclared = Decimal(rest.substr(head.size(), nClose - head.size()));
    const std::string_view tail = "};\r\n";
    Require(rest.ends_with(tail) && rest.find(tail) == rest.size() - tail.size(), "FORMAT_1 array end");
    const std::size_t nBodyStart = nClose + 5;
    ElementReader elements(rest.substr(nBodyStart, rest.size() - tail.size() - nBodyStart), true);

    const std::vector<std::uint64_t> prefix = ExpectedSizePrefix(doc, *layout);
    Require(nDeclared == prefix.size() + expected.size(), "FORMAT_1 declared count differs from the picture's");
    const bool bHexPrefix = prefix.size() == 4;
    for (const std::uint64_t nSide : prefix) {
        const std::optional<std::string_view> element = elements.Next();
        Require(element.has_value(), "FORMAT_1 size elements missing");
        Require((bHexPrefix ? HexElement(*element, 2, true) : Decimal(*element)) == nSide, "FORMAT_1 size elements");
    }
    for (const std::uint32_t nExpected : expected) {
        const std::optional<std::string_view> element = elements.Next();
        Require(element.has_value(), "FORMAT_1 has fewer elements than declared");
        Require(HexElement(*element, layout->nDigits, true) == nExpected, "FORMAT_1 value differs from the encoded pixel");
    }
    Require(!elements.Next().has_value(), "FORMAT_1 has more elements than declared");
}

// Kept from run to run, as the export text is.
std::vector<std::uint32_t>& ExpectedElements()
{
    static std::vector<std::uint32_t> elements;
    return elements;
}

std::string& ExportText()
{
    static std::string text;
    return text;
}

} // namespace

void CheckBothWriters(const CTOVIXDoc& doc)
{
    std::vector<std::uint32_t>& expected = ExpectedElements();
    std::string& text = ExportText();
    FillExpectedElements(doc, expected);
    CheckFormat1(WriteInto(text, ExportFormat::Format1, doc), doc, expected);
    CheckFormat2(WriteInto(text, ExportFormat::Format2, doc), doc, expected);
}

void ReserveForFullStore()
{
    ExpectedElements().reserve(CTOVIXDoc::kPixelCapacity);
    // Each element takes at most "0x", six digits, a comma and a line break.
    ExportText().reserve(11 * std::size_t{CTOVIXDoc::kPixelCapacity} + 1024);
}
