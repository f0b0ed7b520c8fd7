#include "export/export_reader.h"

#include "core/pixel_encoder.h"
#include "core/tovix_doc.h"
#include "export/bytes_layout.h"
#include "export/code_page_932.h"
#include "export/mode_layout.h"

#include <vector>

namespace {

// Lines of the text without their CR LF or LF, numbered from 1.
class Lines {
public:
    explicit Lines(std::string_view text) : m_text(text) {}

    bool Next(std::string_view& line)
    {
        if (m_nPos >= m_text.size()) return false;
        std::size_t nEnd = m_text.find('\n', m_nPos);
        if (nEnd == std::string_view::npos) nEnd = m_text.size();
        line = m_text.substr(m_nPos, nEnd - m_nPos);
        if (line.ends_with('\r')) line.remove_suffix(1);
        m_nPos = nEnd + 1;
        ++m_nNumber;
        return true;
    }

    int Number() const { return m_nNumber; }

private:
    std::string_view m_text;
    std::size_t m_nPos = 0;
    int m_nNumber = 0;
};

using Error = std::optional<std::string>;

std::string AtLine(int nLine, const std::string& text)
{
    return "line " + std::to_string(nLine) + ": " + text;
}

// A whole decimal number of at most nine digits.
std::optional<std::int64_t> ParseDecimal(std::string_view text)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string_view::npos) return {};
    std::int64_t value = 0;
    for (char c : text) value = value * 10 + (c - '0');
    return value;
}

std::optional<std::uint32_t> ParseHex(std::string_view text, int nDigits)
{
    if (static_cast<int>(text.size()) != nDigits) return {};
    std::uint32_t value = 0;
    for (char c : text) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0) return {};
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::string SizeText(std::int64_t nWidth, std::int64_t nHeight)
{
    return std::to_string(nWidth) + " x " + std::to_string(nHeight);
}

// Width and height that a document can hold.
Error CheckSize(int nLine, std::int64_t nWidth, std::int64_t nHeight)
{
    if (nWidth * nHeight == 0) return AtLine(nLine, "the picture has no pixels");
    if (nWidth * nHeight > CTOVIXDoc::kPixelCapacity)
        return AtLine(nLine, SizeText(nWidth, nHeight) + " pixels are more than an export can hold");
    return {};
}

// How the values of the data are written.
struct ValueFormat {
    int nDigits;
    bool bPrefix;          // "0x" before each value
    std::uint32_t nMax;    // the largest value the mode gives
};

// Reads the comma-separated values of the data, exactly nCount of them.
Error ReadValues(Lines& lines, const ValueFormat& format, std::size_t nCount, std::vector<std::uint32_t>& values)
{
    values.clear();
    values.reserve(nCount);
    const std::string countText = std::to_string(nCount);
    std::string_view line;
    while (values.size() < nCount) {
        if (!lines.Next(line))
            return AtLine(lines.Number(), "the file ends after " + std::to_string(values.size()) + " of " + countText + " values");
        if (line == "};")
            return AtLine(lines.Number(), "the array ends after " + std::to_string(values.size()) + " of " + countText + " values");
        std::size_t nPos = 0;
        while (nPos < line.size()) {
            std::size_t nComma = line.find(',', nPos);
            if (nComma == std::string_view::npos) nComma = line.size();
            std::string_view token = line.substr(nPos, nComma - nPos);
            nPos = nComma + 1;
            if (values.size() == nCount) return AtLine(lines.Number(), "more values than the " + countText + " the size gives");
            if (format.bPrefix && token.starts_with("0x")) token.remove_prefix(2);
            else if (format.bPrefix) token = {};
            const std::optional<std::uint32_t> value = ParseHex(token, format.nDigits);
            if (!value) return AtLine(lines.Number(), "'" + std::string(line.substr(nPos - token.size() - 1)) + "' holds no value");
            if (*value > format.nMax) return AtLine(lines.Number(), "value " + std::string(token) + " is out of the colour mode's range");
            values.push_back(*value);
        }
    }
    return {};
}

// After the data: "};" and then nothing but empty lines.
Error ReadArrayEnd(Lines& lines, bool bClosingLine)
{
    std::string_view line;
    if (bClosingLine && (!lines.Next(line) || line != "};"))
        return AtLine(lines.Number(), "\"};\" does not follow the values");
    while (lines.Next(line))
        if (!line.empty()) return AtLine(lines.Number(), "text after the end of the data");
    return {};
}

ValueFormat ValueFormatOf(const ModeLayout& layout, bool bPrefix)
{
    const std::uint32_t kMax[] = {0, 0xFF, 0xFFFF, 0xFFFFFF};
    if (layout.mode == ColorMode::Mono) return {2, true, 0xFF};
    const std::uint32_t nMax = layout.mode == ColorMode::Colors64 ? 0x3F : layout.mode == ColorMode::Rgb555 ? 0x7FFF : kMax[layout.nDigits / 2];
    return {layout.nDigits, bPrefix, nMax};
}

// The document's picture from one encoded value a pixel.
Error FillDocument(CTOVIXDoc& doc, ColorMode mode, std::int64_t nWidth, std::int64_t nHeight,
                   const std::vector<std::uint32_t>& values)
{
    doc.m_nColorMode = mode;
    doc.m_nWidth = static_cast<std::int32_t>(nWidth);
    doc.m_nHeight = static_cast<std::int32_t>(nHeight);
    for (std::size_t i = 0; i < values.size(); ++i) doc.PixelArray[i] = DecodedPixel(mode, values[i]);
    if (!doc.CopyPixelsToBitmap()) return std::string("not enough memory for the picture");
    doc.m_bLoaded = 1;
    return {};
}

// The values of FORMAT_1 and FORMAT_2: one a pixel, or the packed rows of two colours.
Error ReadProgramData(Lines& lines, CTOVIXDoc& doc, const ModeLayout& layout, std::int64_t nWidth,
                      std::int64_t nHeight, bool bValuePrefix, bool bClosingLine)
{
    std::vector<std::uint32_t> values;
    const std::int64_t nCount = DataElementCount(layout, nWidth, nHeight);
    if (Error error = ReadValues(lines, ValueFormatOf(layout, bValuePrefix), static_cast<std::size_t>(nCount), values)) return error;
    if (Error error = ReadArrayEnd(lines, bClosingLine)) return error;
    if (layout.mode == ColorMode::Mono) {
        // The program's packing is the bytes format's default: rows, leftmost pixel in bit 7.
        const std::vector<std::uint8_t> bytes(values.begin(), values.end());
        values = UnpackBytes(bytes, layout.mode, static_cast<std::int32_t>(nWidth), static_cast<std::int32_t>(nHeight), BytesOptions());
    }
    return FillDocument(doc, layout.mode, nWidth, nHeight, values);
}

// Splits "TEXT" off the front of a line; false when the line does not start with it.
bool Consume(std::string_view& line, std::string_view text)
{
    if (!line.starts_with(text)) return false;
    line.remove_prefix(text.size());
    return true;
}

// The decimal number at the front of a line, up to the text that follows it.
std::optional<std::int64_t> ConsumeNumber(std::string_view& line, std::string_view after)
{
    const std::size_t nEnd = line.find(after);
    if (nEnd == std::string_view::npos) return {};
    const std::optional<std::int64_t> value = ParseDecimal(line.substr(0, nEnd));
    line.remove_prefix(nEnd + after.size());
    return value;
}

Error ReadFormat1(Lines& lines, CTOVIXDoc& doc)
{
    std::string_view line;
    const std::string wrongHeader = "the comment block is not that of FORMAT_1";
    if (!lines.Next(line) || line != " TOVIX Output File") return AtLine(lines.Number(), wrongHeader);
    std::optional<std::int64_t> mode, nWidth, nHeight;
    if (lines.Next(line) && Consume(line, ToCodePage932(" ｶﾗｰﾓｰﾄﾞ"))) mode = ConsumeNumber(line, " bit");
    if (!mode || !line.empty()) return AtLine(lines.Number(), wrongHeader);
    if (lines.Next(line) && Consume(line, ToCodePage932(" ｻｲｽﾞ   "))) {
        nWidth = ConsumeNumber(line, ToCodePage932(" × "));
        nHeight = ConsumeNumber(line, " dot");
    }
    if (!nWidth || !nHeight || !line.empty()) return AtLine(lines.Number(), wrongHeader);
    if (!lines.Next(line) || line != std::string(49, '*') + "/") return AtLine(lines.Number(), wrongHeader);
    const ModeLayout* layout = FindModeLayout(static_cast<ColorMode>(*mode));
    if (layout == nullptr) return AtLine(3, "colour mode " + std::to_string(*mode) + " has no pixel data");
    if (Error error = CheckSize(4, *nWidth, *nHeight)) return error;

    // "TYPE NAME[COUNT] = {PREFIX": the name may hold anything, but no "] = {"
    // follows it in the rest of the line.
    const int nDeclaration = lines.Number() + 1;
    const std::string wrongDeclaration = "the array declaration does not fit the comment block";
    if (!lines.Next(line) || !Consume(line, std::string(layout->pszElementType) + " ")) return AtLine(nDeclaration, wrongDeclaration);
    const std::size_t nBrackets = line.rfind("] = {");
    const std::size_t nOpen = line.substr(0, nBrackets).rfind('[');
    if (nBrackets == std::string_view::npos || nOpen == std::string_view::npos) return AtLine(nDeclaration, wrongDeclaration);
    const std::optional<std::int64_t> nDeclared = ParseDecimal(line.substr(nOpen + 1, nBrackets - nOpen - 1));
    line.remove_prefix(nBrackets + 5);

    const std::int64_t nData = DataElementCount(*layout, *nWidth, *nHeight);
    const bool bLongPrefix = HasLongSizePrefix(*layout, *nWidth, *nHeight);
    std::string prefix;
    if (bLongPrefix) {
        for (std::int64_t side : {*nWidth, *nHeight}) {
            for (std::int64_t byte : {(side >> 8) & 0xFF, side & 0xFF}) {
                const char hex[] = "0123456789abcdef";
                prefix += std::string("0x") + hex[byte >> 4] + hex[byte & 15] + ",";
            }
        }
        prefix += "/* WH,WL,HH,HL */";
    } else {
        prefix = std::to_string(*nWidth) + "," + std::to_string(*nHeight) + "," + (layout->bByteArray ? "/* W,H */" : "");
    }
    if (line != prefix) return AtLine(nDeclaration, "the size at the start of the array differs from the comment block");
    if (nDeclared != nData + (bLongPrefix ? 4 : 2))
        return AtLine(nDeclaration, "the declared element count differs from what " + SizeText(*nWidth, *nHeight) + " pixels give");
    return ReadProgramData(lines, doc, *layout, *nWidth, *nHeight, true, true);
}

Error ReadFormat2(std::string_view line, Lines& lines, CTOVIXDoc& doc)
{
    const ModeLayout* layout = nullptr;
    for (ColorMode mode : {ColorMode::Mono, ColorMode::Colors64, ColorMode::Colors256, ColorMode::Rgb555, ColorMode::Rgb565, ColorMode::Full}) {
        const ModeLayout* candidate = FindModeLayout(mode);
        if (line.starts_with(std::string(candidate->pszIdentifier) + ",")) layout = candidate;
    }
    if (layout == nullptr) return AtLine(1, "not an export of tovix-export");
    line.remove_prefix(std::string_view(layout->pszIdentifier).size() + 1);
    const std::optional<std::int64_t> nWidth = ConsumeNumber(line, ",");
    const std::optional<std::int64_t> nHeight = ConsumeNumber(line, ",");
    if (!nWidth || !nHeight || !line.empty()) return AtLine(1, "the first line is not IDENTIFIER,WIDTH,HEIGHT,");
    if (Error error = CheckSize(1, *nWidth, *nHeight)) return error;
    return ReadProgramData(lines, doc, *layout, *nWidth, *nHeight, false, false);
}

// The layout options of the first line, as the tool's own options.
Error ParseLayoutWords(std::string_view words, std::optional<ColorMode>& mode, BytesOptions& options)
{
    std::vector<std::string> list;
    for (std::size_t nPos = 0; nPos < words.size();) {
        std::size_t nEnd = words.find(' ', nPos);
        if (nEnd == std::string_view::npos) nEnd = words.size();
        list.emplace_back(words.substr(nPos, nEnd - nPos));
        nPos = nEnd + 1;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == "--invert") {
            options.bInvert = true;
            continue;
        }
        if (i + 1 == list.size()) return "'" + list[i] + "' has no value";
        const std::string& value = list[++i];
        if (list[i - 1] == "-m") {
            const std::optional<std::int64_t> number = ParseDecimal(value);
            if (!number || !IsKnownColorMode(static_cast<ColorMode>(*number))) return "unknown colour mode '" + value + "'";
            mode = static_cast<ColorMode>(*number);
        } else if (Error error = SetBytesOption(options, list[i - 1], value)) {
            return error;
        }
    }
    if (!mode) return std::string("no colour mode");
    if (const char* option = OptionNotForMode(options, *mode)) return std::string(option) + " does not apply to the colour mode";
    return {};
}

Error ReadBytesFormat(std::string_view line, Lines& lines, CTOVIXDoc& doc)
{
    const std::string wrongFirst = "the first line is not \"/* WIDTHxHEIGHT pixels, tovix-export -f bytes OPTIONS */\"";
    if (!Consume(line, "/* ") || !line.ends_with(" */")) return AtLine(1, wrongFirst);
    line.remove_suffix(3);
    const std::optional<std::int64_t> nWidth = ConsumeNumber(line, "x");
    const std::optional<std::int64_t> nHeight = ConsumeNumber(line, " pixels, tovix-export -f bytes ");
    if (!nWidth || !nHeight) return AtLine(1, wrongFirst);
    std::optional<ColorMode> mode;
    BytesOptions options;
    if (Error error = ParseLayoutWords(line, mode, options)) return AtLine(1, *error);
    if (Error error = CheckSize(1, *nWidth, *nHeight)) return error;

    // The array's definition comes after the includes and macros.
    const std::int64_t nCount = BytesCount(*mode, *nWidth, *nHeight, options);
    std::optional<std::int64_t> nDeclared;
    while (!nDeclared) {
        if (!lines.Next(line)) return AtLine(lines.Number(), "the file ends before the array");
        const std::size_t nType = line.find("const uint8_t ");
        const std::size_t nOpen = line.find('[');
        const std::size_t nClose = line.find(']');
        if (nType == std::string_view::npos || !line.ends_with(" = {")) continue;
        if (nOpen == std::string_view::npos || nClose < nOpen || !(nDeclared = ParseDecimal(line.substr(nOpen + 1, nClose - nOpen - 1))))
            return AtLine(lines.Number(), "the array has no size");
    }
    if (*nDeclared != nCount)
        return AtLine(lines.Number(), "the array's " + std::to_string(*nDeclared) + " bytes differ from the " + std::to_string(nCount) +
                                          " that " + SizeText(*nWidth, *nHeight) + " pixels give");
    std::vector<std::uint32_t> values;
    if (Error error = ReadValues(lines, {2, true, 0xFF}, static_cast<std::size_t>(nCount), values)) return error;
    if (Error error = ReadArrayEnd(lines, true)) return error;
    const std::vector<std::uint8_t> bytes(values.begin(), values.end());
    return FillDocument(doc, *mode, *nWidth, *nHeight,
                        UnpackBytes(bytes, *mode, static_cast<std::int32_t>(*nWidth), static_cast<std::int32_t>(*nHeight), options));
}

} // namespace

std::optional<std::string> ReadExportText(std::string_view text, CTOVIXDoc& doc)
{
    Lines lines(text);
    std::string_view first;
    if (!lines.Next(first)) return AtLine(1, "the file is empty");
    if (first == "/" + std::string(49, '*')) return ReadFormat1(lines, doc);
    if (first.starts_with("/* ")) return ReadBytesFormat(first, lines, doc);
    return ReadFormat2(first, lines, doc);
}
