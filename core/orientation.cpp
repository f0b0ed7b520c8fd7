// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/orientation.h"

#include <algorithm>
#include <cstring>

namespace {

// A picture of the given size whose pixel (x, y), and its alpha, come from source(x, y).
template <class Source>
RgbImage Remapped(const RgbImage& picture, std::int32_t nWidth, std::int32_t nHeight, Source source)
{
    RgbImage out(nWidth, nHeight);
    const bool bAlpha = !picture.alpha.empty();
    if (bAlpha) out.alpha.resize(out.rgb.size() / 3);
    for (std::int32_t y = 0; y < nHeight; ++y) {
        for (std::int32_t x = 0; x < nWidth; ++x) {
            const auto [sx, sy] = source(x, y);
            std::memcpy(out.Pixel(x, y), picture.Pixel(sx, sy), 3);
            if (bAlpha) out.alpha[out.Index(x, y)] = picture.alpha[picture.Index(sx, sy)];
        }
    }
    return out;
}

struct Point {
    std::int32_t x, y;
};

} // namespace

RgbImage Rotated(const RgbImage& picture, Rotation rotation)
{
    const std::int32_t w = picture.nWidth, h = picture.nHeight;
    switch (rotation) {
    case Rotation::Clockwise90: return Remapped(picture, h, w, [h](std::int32_t x, std::int32_t y) { return Point{y, h - 1 - x}; });
    case Rotation::HalfTurn: return Remapped(picture, w, h, [w, h](std::int32_t x, std::int32_t y) { return Point{w - 1 - x, h - 1 - y}; });
    case Rotation::Clockwise270: return Remapped(picture, h, w, [w](std::int32_t x, std::int32_t y) { return Point{w - 1 - y, x}; });
    }
    return picture;
}

RgbImage Flipped(const RgbImage& picture, FlipAxis axis)
{
    const std::int32_t w = picture.nWidth, h = picture.nHeight;
    if (axis == FlipAxis::Horizontal)
        return Remapped(picture, w, h, [w](std::int32_t x, std::int32_t y) { return Point{w - 1 - x, y}; });
    return Remapped(picture, w, h, [h](std::int32_t x, std::int32_t y) { return Point{x, h - 1 - y}; });
}

RgbImage Trimmed(const RgbImage& picture, Rgb background)
{
    // With alpha, the border is what cannot be seen, whatever its colour.
    const auto isBorder = [&](std::int32_t x, std::int32_t y) {
        if (picture.alpha.empty()) return picture.At(x, y) == background;
        return picture.alpha[picture.Index(x, y)] == 0;
    };
    std::int32_t nLeft = picture.nWidth, nRight = -1, nTop = picture.nHeight, nBottom = -1;
    for (std::int32_t y = 0; y < picture.nHeight; ++y) {
        for (std::int32_t x = 0; x < picture.nWidth; ++x) {
            if (isBorder(x, y)) continue;
            nLeft = std::min(nLeft, x);
            nRight = std::max(nRight, x);
            nTop = std::min(nTop, y);
            nBottom = std::max(nBottom, y);
        }
    }
    if (nRight < 0) {
        if (picture.nWidth <= 0 || picture.nHeight <= 0) return picture;
        nLeft = nRight = nTop = nBottom = 0;
    }
    return Remapped(picture, nRight - nLeft + 1, nBottom - nTop + 1,
                    [=](std::int32_t x, std::int32_t y) { return Point{x + nLeft, y + nTop}; });
}
