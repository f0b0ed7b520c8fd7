#include "fuzz/export_checks.h"

#include "core/tovix_doc.h"
#include "export/mode_layout.h"
#include "fuzz/fuzz_support.h"
#include "testkit/doc_builder.h"

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kExportName = "fuzz";

// The data elements both formats carry: for two colours eight pixels a byte,
// first pixel in the high bit, set for black, each row padded to whole bytes;
// else one encoded value a pixel.
std::vector<std::uint32_t> ExpectedElements(const CTOVIXDoc& doc)
{
    const std::int64_t nWidth = doc.m_nWidth;
    const std::int64_t nHeight = doc.m_nHeight;
    std::vector<std::uint32_t> elements;
    if (nWidth * nHeight == 0) return elements;
    if (doc.m_nColorMode != ColorMode::Mono) {
        for (std::int64_t i = 0; i < nWidth * nHeight; ++i)
            elements.push_back(doc.EncodePixel(static_cast<std::int32_t>(i)));
        return elements;
    }
    for (std::int64_t r = 0; r < nHeight; ++r) {
        for (std::int64_t c = 0; c < nWidth; c += 8) {
            std::uint32_t nByte = 0;
            for (std::int64_t k = c; k < c + 8 && k < nWidth; ++k)
                if (doc.EncodePixel(static_cast<std::int32_t>(r * nWidth + k)) == 0) nByte |= 0x80u >> (k - c);
            elements.push_back(nByte);
        }
    }
    return elements;
}

// Every line ends in CR LF.
bool HasOnlyCrLf(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
    return true;
}

std::string WithoutComments(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "/*") == 0) {
            const std::size_t nEnd = text.find("*/", i + 2);
            Require(nEnd != std::string_view::npos, "comment not closed");
            i = nEnd + 2;
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string_view Trimmed(std::string_view piece)
{
    const std::size_t nFirst = piece.find_first_not_of(" \r\n");
    if (nFirst == std::string_view::npos) return {};
    return piece.substr(nFirst, piece.find_last_not_of(" \r\n") - nFirst + 1);
}

// The comma-separated elements of a list; only the last may be empty, as C
// allows one trailing comma.
std::vector<std::string_view> Elements(std::string_view list)
{
    std::vector<std::string_view> elements;
    std::size_t nStart = 0;
    while (true) {
        const std::size_t nComma = list.find(',', nStart);
        const std::string_view piece = Trimmed(list.substr(nStart, nComma - nStart));
        if (nComma == std::string_view::npos) {
            if (!piece.empty()) elements.push_back(piece);
            return elements;
        }
        Require(!piece.empty(), "empty element before a comma");
        elements.push_back(piece);
        nStart = nComma + 1;
    }
}

std::uint64_t Number(std::string_view text, int nBase)
{
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, nBase);
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
    Require(text.find_first_not_of("0123456789abcdef") == std::string_view::npos, "not lower-case hex");
    return static_cast<std::uint32_t>(Number(text, 16));
}

void CheckFormat2(const std::string& text, const CTOVIXDoc& doc, const std::vector<std::uint32_t>& expected)
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
    const std::string_view body = std::string_view(text).substr(first.size());
    Require(expected.empty() ? body.empty() : body.ends_with("\r\n"), "FORMAT_2 ending");
    const std::vector<std::string_view> elements = Elements(body);
    Require(elements.size() == expected.size(), "FORMAT_2 value count");
    Require(body.empty() || !Trimmed(body).ends_with(","), "FORMAT_2 ends in a comma");
    // Only the packed two-colour bytes keep FORMAT_1's "0x".
    const bool bPrefix = doc.m_nColorMode == ColorMode::Mono;
    for (std::size_t i = 0; i < elements.size(); ++i)
        Require(HexElement(elements[i], layout->nDigits, bPrefix) == expected[i], "FORMAT_2 value differs from EncodePixel");
}

// The size elements at the head of a FORMAT_1 array.
std::vector<std::uint64_t> ExpectedSizePrefix(const CTOVIXDoc& doc, const ModeLayout& layout)
{
    const auto w = static_cast<std::uint32_t>(doc.m_nWidth);
    const auto h = static_cast<std::uint32_t>(doc.m_nHeight);
    if (layout.bByteArray && (w >= 256 || h >= 256)) return {(w >> 8) & 0xFF, w & 0xFF, (h >> 8) & 0xFF, h & 0xFF};
    return {w, h};
}

void CheckFormat1(const std::string& text, const CTOVIXDoc& doc, const std::vector<std::uint32_t>& expected)
{
    Require(HasOnlyCrLf(text), "FORMAT_1 has a bare LF");
    const std::size_t nHeaderEnd = text.find("*/\r\n");
    Require(text.starts_with("/*") && nHeaderEnd != std::string::npos, "FORMAT_1 comment block");
    const std::string_view rest = std::string_view(text).substr(nHeaderEnd + 4);
    const ModeLayout* layout = FindModeLayout(doc.m_nColorMode);
    if (layout == nullptr) {
        Require(rest.empty(), "FORMAT_1 of an unknown mode has an array");
        return;
    }

    const std::string head = std::string(layout->pszElementType) + " " + kExportName + "[";
    Require(rest.starts_with(head), "FORMAT_1 declaration");
    const std::size_t nClose = rest.find("] = {");
    Require(nClose != std::string_view::npos, "FORMAT_1 declaration end");
    const std::uint64_t nDeclared = Number(rest.substr(head.size(), nClose - head.size()), 10);
    const std::string_view tail = "};\r\n";
    Require(rest.ends_with(tail) && rest.find(tail) == rest.size() - tail.size(), "FORMAT_1 array end");
    const std::size_t nBodyStart = nClose + 5;
    const std::string body = WithoutComments(rest.substr(nBodyStart, rest.size() - tail.size() - nBodyStart));
    const std::vector<std::string_view> elements = Elements(body);

    Require(nDeclared == elements.size(), "FORMAT_1 declared count differs from the elements that follow");
    const std::vector<std::uint64_t> prefix = ExpectedSizePrefix(doc, *layout);
    Require(elements.size() == prefix.size() + expected.size(), "FORMAT_1 element count");
    const bool bHexPrefix = prefix.size() == 4;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const std::uint64_t value = bHexPrefix ? HexElement(elements[i], 2, true) : Number(elements[i], 10);
        Require(value == prefix[i], "FORMAT_1 size elements");
    }
    for (std::size_t i = 0; i < expected.size(); ++i)
        Require(HexElement(elements[prefix.size() + i], layout->nDigits, true) == expected[i],
                "FORMAT_1 value differs from EncodePixel");
}

} // namespace

void CheckBothWriters(const CTOVIXDoc& doc)
{
    const std::vector<std::uint32_t> expected = ExpectedElements(doc);
    CheckFormat1(testing_support::ExportText(doc, true, kExportName), doc, expected);
    CheckFormat2(testing_support::ExportText(doc, false, kExportName), doc, expected);
}
