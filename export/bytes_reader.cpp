// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/bytes_layout.h"
#include "export/bytes_writer.h"
#include "export/format_readers.h"

#include "core/pixel_format.h"

namespace {

// The layout options of the first line, as the tool's own options.
ReadError ParseLayoutWords(std::string_view words, std::optional<ColorMode>& mode, BytesOptions& options)
{
    std::vector<std::string> list;
    for (std::size_t nPos = 0; nPos < words.size();) {
        std::size_t nEnd = words.find(' ', nPos);
        if (nEnd == std::string_view::npos) nEnd = words.size();
        list.emplace_back(words.substr(nPos, nEnd - nPos));
        nPos = nEnd + 1;
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == "--invert" || list[i] == "--frames") {
            (list[i] == "--invert" ? options.bInvert : options.bFrames) = true;
            continue;
        }
        if (i + 1 == list.size()) return "'" + list[i] + "' has no value";
        const std::string& value = list[++i];
        if (list[i - 1] == "-m") {
            const PixelFormat* format = FindPixelFormat(value);
            if (format == nullptr || value != std::to_string(format->Number())) return "unknown colour mode '" + value + "'";
            mode = format->mode;
        } else if (ReadError error = SetBytesOption(options, list[i - 1], value)) {
            return error;
        }
    }
    if (!mode) return std::string("no colour mode");
    if (const char* option = OptionNotForMode(options, *mode)) return std::string(option) + " does not apply to the colour mode";
    return {};
}

// "WIDTHxHEIGHT pixels, tovix-export -f bytes ", the words after it in rest.
bool ParseSize(std::string_view line, std::int64_t& nWidth, std::int64_t& nHeight, std::string_view& rest)
{
    const std::string_view kAfterSize = " pixels, tovix-export -f bytes ";
    if (!Consume(line, "/* ") || !line.ends_with(" */")) return false;
    line.remove_suffix(3);
    const std::size_t nAfter = line.find(kAfterSize);
    if (nAfter == std::string_view::npos) return false;
    const std::vector<std::int64_t> numbers = NumbersIn(line.substr(0, nAfter));
    if (numbers.size() != 2) return false;
    nWidth = numbers[0];
    nHeight = numbers[1];
    rest = line.substr(nAfter + kAfterSize.size());
    return true;
}

} // namespace

bool IsBytesFormatStart(std::string_view first)
{
    return first.starts_with("/* ") && first.find(" pixels, tovix-export -f bytes ") != std::string_view::npos;
}

ReadError ReadBytesFormat(std::string_view first, Lines& lines, PictureBuffer& picture)
{
    const std::string wrongFirst = "the first line is not \"/* WIDTHxHEIGHT pixels, tovix-export -f bytes OPTIONS */\"";
    std::int64_t nWidth = 0, nHeight = 0;
    std::string_view words;
    if (!ParseSize(first, nWidth, nHeight, words)) return AtLine(1, wrongFirst);
    std::optional<ColorMode> mode;
    BytesOptions options;
    if (ReadError error = ParseLayoutWords(words, mode, options)) return AtLine(1, *error);
    if (first != BytesSettingsLine(nWidth, nHeight, *mode, options)) return AtLine(1, wrongFirst);
    if (ReadError error = CheckSize(1, nWidth, nHeight)) return error;

    // The array's definition comes after the includes and macros.
    const std::int64_t nCount = BytesCount(*mode, nWidth, nHeight, options);
    std::optional<std::int64_t> nDeclared;
    std::string_view line;
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
                                          " that " + SizeText(nWidth, nHeight) + " pixels give");
    std::vector<std::uint32_t> values;
    if (ReadError error = ReadValues(lines, {2, true, 0xFF}, static_cast<std::size_t>(nCount), values)) return error;
    // An animation's picture is its first frame, as the import takes it; the
    // frames after it are not read.
    if (!options.bFrames) {
        if (ReadError error = ReadArrayEnd(lines, true)) return error;
    }
    const std::vector<std::uint8_t> bytes(values.begin(), values.end());
    picture = DecodedPicture(*mode, nWidth, nHeight,
                             UnpackBytes(bytes, *mode, static_cast<std::int32_t>(nWidth), static_cast<std::int32_t>(nHeight), options));
    return {};
}
