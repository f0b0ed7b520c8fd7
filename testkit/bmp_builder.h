// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

// How to lay out a generated BMP file; the defaults give a plain 24-bit file.
struct BmpLayout {
    bool bTopDown = false;           // store rows top-down (negative height)
    std::uint32_t nGapBytes = 0;     // bytes between the headers and the pixel rows
    std::uint16_t nBitCount = 24;
    std::uint32_t nCompression = 0;
    std::uint32_t nInfoSize = 40;
    std::uint8_t nPadByte = 0xA5;    // value of row padding bytes
};

// The colour of pixel (x, y), y = 0 being the top row.
using PixelFunction = std::function<Rgb(int x, int y)>;

// Bytes of a BMP file of the given size and pixels.
std::vector<std::uint8_t> BuildBmp(int nWidth, int nHeight, const PixelFunction& pixel, const BmpLayout& layout = {});

// Writes bytes to a file, replacing it.
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadFile(const std::string& path);

// A deterministic colourful test picture.
Rgb PatternPixel(int x, int y);

} // namespace testing_support
