// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/bytes_layout.h"
#include "export/bytes_writer.h"
#include "export/format_readers.h"

#include "core/pixel_format.h"

namespace {

// The layout options of the first line, as the tool's own options.
ReadError ParseLayoutWords(std::string_view words, std::optional<ColorMode>& mode, LayoutOptions& options)
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
            if (format == nullptr || value != format->Word()) return "unknown colour mode '" + value + "'";
            mode = format->mode;
        } else if (ReadError error = SetLayoutOption(options, list[i - 1], value)) {
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

// The next array definition, "const uint8_t NAME[N] ... = {", and its N
// values; what the size must be is named in the error.
ReadError ReadArray(Lines& lines, std::int64_t nCount, const std::string& whose, const std::string& sizeFrom,
                    std::vector<std::uint8_t>& bytes)
{
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
        return AtLine(lines.Number(), whose + " " + std::to_string(*nDeclared) + " bytes differ from the " + std::to_string(nCount) +
                                          " " + sizeFrom);
    std::vector<std::uint32_t> values;
    if (ReadError error = ReadValues(lines, {2, true, 0xFF}, static_cast<std::size_t>(nCount), values)) return error;
    bytes.assign(values.begin(), values.end());
    return {};
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
    LayoutOptions options;
    if (ReadError error = ParseLayoutWords(words, mode, options)) return AtLine(1, *error);
    if (first != BytesSettingsLine(nWidth, nHeight, *mode, options)) return AtLine(1, wrongFirst);
    if (ReadError error = CheckSize(1, nWidth, nHeight)) return error;

    // The arrays' definitions come after the includes and macros: a palette
    // format's palette first, then the pixels.
    const std::int64_t nPaletteCount = PaletteBytesCount(*mode, options);
    std::vector<std::uint8_t> paletteBytes;
    if (nPaletteCount > 0) {
        if (ReadError error = ReadArray(lines, nPaletteCount, "the palette's", "the colour mode's palette gives", paletteBytes))
            return error;
        std::string_view line;
        if (!lines.Next(line) || line != "};") return AtLine(lines.Number(), "\"};\" does not follow the palette");
    }
    std::vector<std::uint8_t> bytes;
    if (ReadError error = ReadArray(lines, BytesCount(*mode, nWidth, nHeight, options), "the array's",
                                    "that " + SizeText(nWidth, nHeight) + " pixels give", bytes))
        return error;
    // An animation's picture is its first frame, as the import takes it; the
    // frames after it are not read.
    if (!options.bFrames) {
        if (ReadError error = ReadArrayEnd(lines, true)) return error;
    }
    const auto nPictureWidth = static_cast<std::int32_t>(nWidth);
    const auto nPictureHeight = static_cast<std::int32_t>(nHeight);
    const std::vector<std::uint32_t> values = UnpackBytes(bytes, *mode, nPictureWidth, nPictureHeight, options);
    const std::vector<std::uint32_t> palette = UnpackPalette(paletteBytes, options);
    picture = DecodedPicture(*mode, nWidth, nHeight, values, palette);
    return {};
}
