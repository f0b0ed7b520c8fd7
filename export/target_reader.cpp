// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/target_reader.h"

#include "core/pixel_format.h"
#include "export/bytes_layout.h"
#include "export/display_targets.h"
#include "export/epaper_target.h"
#include "export/target_data.h"
#include "export/target_source.h"

#include <vector>

namespace {

// The next array of a source, nCount bytes or 16-bit words, and its "};".
ReadError ReadArray(Lines& lines, bool bWords, std::int64_t nCount, std::vector<std::uint32_t>& values)
{
    std::string_view line;
    do {
        if (!lines.Next(line)) return AtLine(lines.Number(), "the file ends before the array");
    } while (!line.ends_with("= {"));
    const ValueFormat format = bWords ? ValueFormat{4, true, 0xFFFF} : ValueFormat{2, true, 0xFF};
    if (ReadError error = ReadValues(lines, format, static_cast<std::size_t>(nCount), values)) return error;
    if (!lines.Next(line) || line != "};") return AtLine(lines.Number(), "\"};\" does not follow the values");
    return {};
}

} // namespace

bool IsTargetStart(std::string_view first)
{
    return first.starts_with("/* ") && first.find(" pixels, tovix-export --for ") != std::string_view::npos;
}

ReadError ReadTargetSource(std::string_view first, Lines& lines, PictureBuffer& picture)
{
    const std::string wrongFirst = "the first line is not \"/* WIDTHxHEIGHT pixels, tovix-export --for TARGET -m MODE */\"";
    const std::vector<std::int64_t> numbers = NumbersIn(first.substr(0, first.find(" pixels")));
    const std::size_t nTarget = first.find("--for ") + 6;
    const std::size_t nMode = first.find(" -m ", nTarget);
    if (numbers.size() != 2 || nMode == std::string_view::npos) return AtLine(1, wrongFirst);
    const DisplayTarget* target = FindDisplayTarget(first.substr(nTarget, nMode - nTarget));
    if (target == nullptr) return AtLine(1, wrongFirst);
    if (target->ReducesColours()) {
        if (first != TargetSettingsLine(numbers[0], numbers[1], *target, ColorMode::Full, false)) return AtLine(1, wrongFirst);
        if (ReadError error = CheckSize(1, numbers[0], numbers[1])) return error;
        return ReadEpaperPlanes(*target->pInk, static_cast<std::int32_t>(numbers[0]),
                                static_cast<std::int32_t>(numbers[1]), lines, picture);
    }
    const TargetLayout& layout = target->layout;
    const std::string_view modeWord = first.substr(nMode + 4, first.find(' ', nMode + 4) - (nMode + 4));
    const PixelFormat* format = FindPixelFormat(modeWord);
    if (format == nullptr || !target->TakesMode(format->mode)) return AtLine(1, wrongFirst);
    const bool bInvert = first.ends_with(" --invert */");
    if (first != TargetSettingsLine(numbers[0], numbers[1], *target, format->mode, bInvert)) return AtLine(1, wrongFirst);
    if (ReadError error = CheckSize(1, numbers[0], numbers[1])) return error;

    // The data is the first array; an LVGL descriptor or drawRGBBitmap's mask may follow it.
    const bool bWords = WritesWords(layout, format->mode);
    const std::int64_t nBytes = ArrayBytes(layout, format->mode, numbers[0], numbers[1]);
    std::vector<std::uint32_t> values;
    if (ReadError error = ReadArray(lines, bWords, bWords ? nBytes / 2 : nBytes, values)) return error;

    const std::int64_t nPaletteBytes = PaletteBytes(format->mode);
    std::vector<std::uint32_t> palette;
    for (std::size_t i = 0; i < static_cast<std::size_t>(nPaletteBytes); i += 4)
        palette.push_back(values[i] << 16 | values[i + 1] << 8 | values[i + 2]);
    std::vector<std::uint8_t> bytes, alpha;
    for (std::size_t i = static_cast<std::size_t>(nPaletteBytes); i < values.size(); ++i) {
        const bool bFourth = FourBytes(layout, format->mode) && i % 4 == 3;
        if (bFourth && format->mode == ColorMode::Argb8888) alpha.push_back(static_cast<std::uint8_t>(values[i]));
        if (bFourth) continue;
        bytes.push_back(static_cast<std::uint8_t>(values[i]));
        if (bWords) bytes.push_back(static_cast<std::uint8_t>(values[i] >> 8));
    }
    // The planes of alpha: the whole data of A8, after the colours in RGB565A8.
    const std::size_t nPixels = static_cast<std::size_t>(numbers[0] * numbers[1]);
    if (format->mode == ColorMode::A8 || format->mode == ColorMode::Rgb565A8)
        alpha.assign(bytes.end() - static_cast<std::ptrdiff_t>(nPixels), bytes.end());
    if (format->mode == ColorMode::Rgb565A1) {
        const std::int64_t nRowBytes = (numbers[0] + 7) / 8;
        std::vector<std::uint32_t> mask;
        if (ReadError error = ReadArray(lines, false, nRowBytes * numbers[1], mask)) return error;
        for (std::int64_t y = 0; y < numbers[1]; ++y)
            for (std::int64_t x = 0; x < numbers[0]; ++x)
                alpha.push_back(mask[static_cast<std::size_t>(y * nRowBytes + x / 8)] & (0x80 >> (x % 8)) ? 0xFF : 0);
    }
    const auto nWidth = static_cast<std::int32_t>(numbers[0]);
    const auto nHeight = static_cast<std::int32_t>(numbers[1]);
    picture = DecodedPicture(format->mode, nWidth, nHeight,
                             UnpackBytes(bytes, format->mode, nWidth, nHeight, TargetLayoutOptions(layout, bInvert)), palette);
    picture.alpha = std::move(alpha);
    return {};
}
