// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One colour as a display shows it.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// A picture of 24-bit pixels, bytes red, green, blue, top row first, rows
// unpadded: what geometry and the pixel formats' reductions work on. A
// picture that keeps its transparency has an alpha plane beside it, a byte a
// pixel in the same order, its colours not premultiplied; the geometry
// carries it along.
struct RgbImage {
    std::int32_t nWidth = 0;
    std::int32_t nHeight = 0;
    std::vector<std::uint8_t> rgb;
    std::vector<std::uint8_t> alpha;   // empty: opaque

    RgbImage() = default;
    RgbImage(std::int32_t w, std::int32_t h) : nWidth(w), nHeight(h), rgb(3 * std::size_t(w) * std::size_t(h)) {}

    std::uint8_t* Pixel(std::int32_t x, std::int32_t y) { return rgb.data() + Offset(x, y); }
    const std::uint8_t* Pixel(std::int32_t x, std::int32_t y) const { return rgb.data() + Offset(x, y); }
    Rgb At(std::int32_t x, std::int32_t y) const
    {
        const std::uint8_t* p = Pixel(x, y);
        return {p[0], p[1], p[2]};
    }
    // Pixel (x, y)'s place counted in pixels: its alpha's in the plane.
    std::size_t Index(std::int32_t x, std::int32_t y) const { return std::size_t(y) * std::size_t(nWidth) + std::size_t(x); }
    bool operator==(const RgbImage&) const = default;

private:
    std::size_t Offset(std::int32_t x, std::int32_t y) const { return 3 * Index(x, y); }
};

// One byte a pixel, top row first: a picture's luminance or grey levels.
struct GreyImage {
    std::int32_t nWidth = 0;
    std::int32_t nHeight = 0;
    std::vector<std::uint8_t> grey;
};
