// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/text_reader.h"

#include "core/pixel_encoder.h"
#include "core/tovix_doc.h"

bool Lines::Next(std::string_view& line)
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

std::string AtLine(int nLine, const std::string& text)
{
    return "line " + std::to_string(nLine) + ": " + text;
}

std::string SizeText(std::int64_t nWidth, std::int64_t nHeight)
{
    return std::to_string(nWidth) + " x " + std::to_string(nHeight);
}

std::optional<std::int64_t> ParseDecimal(std::string_view text)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string_view::npos) return {};
    std::int64_t value = 0;
    for (char c : text) value = value * 10 + (c - '0');
    return value;
}

std::vector<std::int64_t> NumbersIn(std::string_view line)
{
    std::vector<std::int64_t> numbers;
    for (std::size_t nPos = line.find_first_of("0123456789"); nPos != std::string_view::npos;) {
        std::size_t nEnd = line.find_first_not_of("0123456789", nPos);
        if (nEnd == std::string_view::npos) nEnd = line.size();
        // Longer runs than a size can have stay unread; the comparison fails.
        if (const std::optional<std::int64_t> value = ParseDecimal(line.substr(nPos, nEnd - nPos))) numbers.push_back(*value);
        nPos = line.find_first_of("0123456789", nEnd);
    }
    return numbers;
}

bool Consume(std::string_view& line, std::string_view text)
{
    if (!line.starts_with(text)) return false;
    line.remove_prefix(text.size());
    return true;
}

ReadError CheckSize(int nLine, std::int64_t nWidth, std::int64_t nHeight)
{
    if (nWidth * nHeight == 0) return AtLine(nLine, "the picture has no pixels");
    if (nWidth * nHeight > CTOVIXDoc::kPixelCapacity)
        return AtLine(nLine, SizeText(nWidth, nHeight) + " pixels are more than an export can hold");
    return {};
}

namespace {

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

} // namespace

ReadError ReadValues(Lines& lines, const ValueFormat& format, std::size_t nCount, std::vector<std::uint32_t>& values)
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

ReadError ReadArrayEnd(Lines& lines, bool bClosingLine)
{
    std::string_view line;
    if (bClosingLine && (!lines.Next(line) || line != "};"))
        return AtLine(lines.Number(), "\"};\" does not follow the values");
    while (lines.Next(line))
        if (!line.empty()) return AtLine(lines.Number(), "text after the end of the data");
    return {};
}

PictureBuffer DecodedPicture(ColorMode mode, std::int64_t nWidth, std::int64_t nHeight,
                             const std::vector<std::uint32_t>& values, const std::vector<std::uint32_t>& palette)
{
    PictureBuffer picture{static_cast<std::int32_t>(nWidth), static_cast<std::int32_t>(nHeight), mode, {}, {}, {}, {}};
    picture.pixels.reserve(values.size());
    for (std::uint32_t value : values) picture.pixels.push_back(DecodedPixel(mode, value, palette));
    if (!palette.empty()) {
        picture.palette = palette;
        picture.values = values;
    }
    return picture;
}
