// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/orientation.h"
#include "core/resize.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// A picture whose pixel i (row by row) is grey i, read back as a string of
// those numbers, so that arrangements compare at a glance.
RgbImage Numbered(std::int32_t nWidth, std::int32_t nHeight)
{
    RgbImage picture(nWidth, nHeight);
    for (std::size_t i = 0; i < picture.rgb.size(); ++i) picture.rgb[i] = static_cast<std::uint8_t>(i / 3);
    return picture;
}

std::string Layout(const RgbImage& picture)
{
    std::string text = std::to_string(picture.nWidth) + "x" + std::to_string(picture.nHeight) + ":";
    for (std::int32_t y = 0; y < picture.nHeight; ++y) {
        text += y == 0 ? " " : " / ";
        for (std::int32_t x = 0; x < picture.nWidth; ++x) text += (x ? " " : "") + std::to_string(picture.At(x, y).r);
    }
    return text;
}

TEST(Orientation, TurnsAndMirrors)
{
    const RgbImage picture = Numbered(3, 2);   // 0 1 2 / 3 4 5
    EXPECT_EQ(Layout(Rotated(picture, Rotation::Clockwise90)), "2x3: 3 0 / 4 1 / 5 2");
    EXPECT_EQ(Layout(Rotated(picture, Rotation::HalfTurn)), "3x2: 5 4 3 / 2 1 0");
    EXPECT_EQ(Layout(Rotated(picture, Rotation::Clockwise270)), "2x3: 2 5 / 1 4 / 0 3");
    EXPECT_EQ(Layout(Flipped(picture, FlipAxis::Horizontal)), "3x2: 2 1 0 / 5 4 3");
    EXPECT_EQ(Layout(Flipped(picture, FlipAxis::Vertical)), "3x2: 3 4 5 / 0 1 2");
}

TEST(Orientation, TrimCutsOnlyTheBackgroundBorder)
{
    RgbImage picture = Numbered(5, 4);
    for (std::int32_t y = 0; y < 4; ++y) {
        for (std::int32_t x = 0; x < 5; ++x) {
            if (x == 0 || x == 4 || y == 0 || y == 3 || (x == 2 && y == 2)) picture.Pixel(x, y)[0] = 200;
            picture.Pixel(x, y)[1] = picture.Pixel(x, y)[2] = picture.Pixel(x, y)[0];
        }
    }
    // The inner background pixel stays; the white border goes.
    EXPECT_EQ(Layout(Trimmed(picture, {200, 200, 200})), "3x2: 6 7 8 / 11 200 13");
    EXPECT_EQ(Layout(Trimmed(picture, {9, 9, 9})), Layout(picture));
    EXPECT_EQ(Layout(Trimmed(RgbImage(4, 3), {0, 0, 0})), "1x1: 0");
    picture.Pixel(4, 0)[1] = 0;   // one corner pixel differs in green alone
    EXPECT_EQ(Trimmed(picture, {200, 200, 200}).nWidth, 4);
}

TEST(Resize, FitKeepsTheAspectAndFillCutsTheMiddle)
{
    const struct {
        std::int32_t nWidth, nHeight;
        ResizeFit fit;
        std::int32_t nOutWidth, nOutHeight;
    } cases[] = {{128, 64, ResizeFit::Fit, 85, 64}, {64, 128, ResizeFit::Fit, 64, 48},
                 {128, 64, ResizeFit::Fill, 128, 64}, {1, 100, ResizeFit::Fit, 1, 1}};
    for (const auto& c : cases) {
        const RgbImage out = Resized(RgbImage(400, 300), c.nWidth, c.nHeight, c.fit, ResizeFilter::Area);
        EXPECT_EQ(out.nWidth, c.nOutWidth) << c.nWidth << "x" << c.nHeight;
        EXPECT_EQ(out.nHeight, c.nOutHeight) << c.nWidth << "x" << c.nHeight;
    }
    // Columns 0 1 2 3 4 5 filled into 2 x 2: the middle two columns stay.
    RgbImage columns(6, 2);
    for (std::int32_t y = 0; y < 2; ++y) {
        for (std::int32_t x = 0; x < 6; ++x) columns.Pixel(x, y)[0] = static_cast<std::uint8_t>(10 * x);
    }
    for (ResizeFilter filter : {ResizeFilter::Area, ResizeFilter::Nearest}) {
        const RgbImage filled = Resized(columns, 2, 2, ResizeFit::Fill, filter);
        EXPECT_EQ(Layout(filled), "2x2: 20 30 / 20 30") << int(filter);
    }
}

TEST(Resize, FiltersAverageOrPickAsTheyShould)
{
    // 0 255 0 255 / 255 0 255 0: a checkerboard.
    RgbImage checks(4, 2);
    for (std::int32_t y = 0; y < 2; ++y) {
        for (std::int32_t x = 0; x < 4; ++x) checks.Pixel(x, y)[0] = (x + y) % 2 ? 255 : 0;
    }
    EXPECT_EQ(Layout(Resized(checks, 2, 1, ResizeFit::Fit, ResizeFilter::Area)), "2x1: 128 128");
    // Pixel art doubles exactly.
    EXPECT_EQ(Layout(Resized(Numbered(2, 1), 4, 2, ResizeFit::Fit, ResizeFilter::Nearest)), "4x2: 0 0 1 1 / 0 0 1 1");
    // A flat picture stays flat under every filter, either way.
    RgbImage flat(37, 23);
    std::fill(flat.rgb.begin(), flat.rgb.end(), 77);
    for (ResizeFilter filter : {ResizeFilter::Area, ResizeFilter::Lanczos, ResizeFilter::Nearest}) {
        for (std::int32_t nSize : {5, 100}) {
            const RgbImage out = Resized(flat, nSize, nSize, ResizeFit::Fill, filter);
            for (std::uint8_t v : out.rgb) ASSERT_EQ(v, 77) << int(filter) << " to " << nSize;
        }
    }
    // Lanczos keeps a downscaled ramp's values in their place, where the nearest pixel drifts by half a step.
    RgbImage ramp(64, 1);
    for (std::int32_t x = 0; x < 64; ++x) ramp.Pixel(x, 0)[0] = static_cast<std::uint8_t>(4 * x);
    const RgbImage lanczos = Resized(ramp, 16, 1, ResizeFit::Fit, ResizeFilter::Lanczos);
    for (std::int32_t x = 2; x < 14; ++x) EXPECT_NEAR(lanczos.At(x, 0).r, 16 * x + 6, 1) << x;
}

// A picture with alpha: colour (r, g, b) and alpha a for pixel (x, y).
template <class Pixel>
RgbImage WithAlpha(std::int32_t nWidth, std::int32_t nHeight, Pixel pixel)
{
    RgbImage picture(nWidth, nHeight);
    picture.alpha.resize(std::size_t(nWidth) * std::size_t(nHeight));
    for (std::int32_t y = 0; y < nHeight; ++y) {
        for (std::int32_t x = 0; x < nWidth; ++x) {
            const auto [r, g, b, a] = pixel(x, y);
            picture.Pixel(x, y)[0] = r;
            picture.Pixel(x, y)[1] = g;
            picture.Pixel(x, y)[2] = b;
            picture.alpha[picture.Index(x, y)] = a;
        }
    }
    return picture;
}

struct Rgba {
    std::uint8_t r, g, b, a;
};

TEST(Orientation, TurnsMirrorsAndTrimsTheAlphaWithThePicture)
{
    // Grey i and alpha 10 i for pixel i: 0 1 2 / 3 4 5.
    const RgbImage picture = WithAlpha(3, 2, [](int x, int y) {
        const auto i = static_cast<std::uint8_t>(3 * y + x);
        return Rgba{i, i, i, static_cast<std::uint8_t>(10 * i)};
    });
    const auto alphaOf = [](const RgbImage& p) {
        if (p.alpha.size() != p.rgb.size() / 3) return std::string("no alpha plane");
        std::string text;
        for (std::int32_t y = 0; y < p.nHeight; ++y)
            for (std::int32_t x = 0; x < p.nWidth; ++x) {
                EXPECT_EQ(p.alpha[p.Index(x, y)], 10 * p.At(x, y).r) << x << "," << y;
                text += std::to_string(p.alpha[p.Index(x, y)]) + " ";
            }
        return text;
    };
    EXPECT_EQ(alphaOf(Rotated(picture, Rotation::Clockwise90)), "30 0 40 10 50 20 ");
    EXPECT_EQ(alphaOf(Rotated(picture, Rotation::Clockwise270)), "20 50 10 40 0 30 ");
    EXPECT_EQ(alphaOf(Flipped(picture, FlipAxis::Horizontal)), "20 10 0 50 40 30 ");
    EXPECT_EQ(alphaOf(Flipped(picture, FlipAxis::Vertical)), "30 40 50 0 10 20 ");
    // Trim cuts off what cannot be seen, whatever its colour, and nothing the background colour alone gives.
    const RgbImage framed = WithAlpha(5, 4, [](int x, int y) {
        const bool bInside = x >= 1 && x <= 2 && y >= 1 && y <= 2;
        return bInside ? Rgba{255, 255, 255, static_cast<std::uint8_t>(x == 1 ? 1 : 255)} : Rgba{9, 9, 9, 0};
    });
    const RgbImage trimmed = Trimmed(framed, {255, 255, 255});
    EXPECT_EQ(Layout(trimmed), "2x2: 255 255 / 255 255");
    EXPECT_EQ(trimmed.alpha, (std::vector<std::uint8_t>{1, 255, 1, 255}));
}

// Resize with alpha against a plain model: each output pixel's alpha the mean
// of the block it covers, its colour the mean of the block's colours weighed
// by their alpha.
TEST(Resize, AlphaIsAveragedAndColoursWeighedByIt)
{
    const RgbImage picture = WithAlpha(12, 12, [](int x, int y) {
        return Rgba{static_cast<std::uint8_t>(20 * x), static_cast<std::uint8_t>(25 * y), static_cast<std::uint8_t>(7 * x * y),
                    static_cast<std::uint8_t>((x * 37 + y * 91) % 3 == 0 ? 0 : (x * 53 + y * 17) % 256)};
    });
    for (const int nSide : {6, 4, 3}) {
        const int nWidth = nSide, nHeight = nSide;
        const RgbImage out = Resized(picture, nWidth, nHeight, ResizeFit::Fill, ResizeFilter::Area);
        ASSERT_EQ(out.nWidth, nWidth);
        ASSERT_EQ(out.alpha.size(), std::size_t(nWidth * nHeight));
        const int nBlockX = 12 / nWidth, nBlockY = 12 / nHeight;
        for (int oy = 0; oy < nHeight; ++oy)
            for (int ox = 0; ox < nWidth; ++ox) {
                double dAlpha = 0, dColour[3] = {0, 0, 0};
                for (int y = oy * nBlockY; y < (oy + 1) * nBlockY; ++y)
                    for (int x = ox * nBlockX; x < (ox + 1) * nBlockX; ++x) {
                        const double a = picture.alpha[std::size_t(y * 12 + x)];
                        dAlpha += a;
                        for (int c = 0; c < 3; ++c) dColour[c] += a * picture.rgb[std::size_t(3 * (y * 12 + x) + c)];
                    }
                const int nAlpha = static_cast<int>(std::lround(dAlpha / (nBlockX * nBlockY)));
                const std::string where = std::to_string(nWidth) + "x" + std::to_string(nHeight) + " at " +
                                          std::to_string(ox) + "," + std::to_string(oy);
                EXPECT_NEAR(out.alpha[std::size_t(oy * nWidth + ox)], nAlpha, 1) << where;
                for (int c = 0; c < 3; ++c) {
                    const double dExpected = nAlpha == 0 ? 0 : dColour[c] / dAlpha;
                    EXPECT_NEAR(out.Pixel(ox, oy)[c], dExpected, 1) << where << " channel " << c;
                }
            }
    }
}

TEST(Resize, AnOpaquePictureResizesAsBeforeAndATransparentEdgeGrowsNoFringe)
{
    RgbImage opaque = WithAlpha(37, 23, [](int x, int y) {
        return Rgba{static_cast<std::uint8_t>(7 * x), static_cast<std::uint8_t>(11 * y), static_cast<std::uint8_t>(x ^ y), 255};
    });
    RgbImage plain = opaque;
    plain.alpha.clear();
    // Red, opaque, beside green that cannot be seen.
    const RgbImage edge = WithAlpha(9, 5, [](int x, int) { return x < 4 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 0}; });
    for (ResizeFilter filter : {ResizeFilter::Area, ResizeFilter::Lanczos, ResizeFilter::Nearest}) {
        for (std::int32_t nSize : {5, 16, 100}) {
            const RgbImage out = Resized(opaque, nSize, nSize, ResizeFit::Fill, filter);
            EXPECT_EQ(out.rgb, Resized(plain, nSize, nSize, ResizeFit::Fill, filter).rgb) << int(filter) << " to " << nSize;
            EXPECT_EQ(out.alpha, std::vector<std::uint8_t>(out.rgb.size() / 3, 255)) << int(filter) << " to " << nSize;

            const RgbImage shrunk = Resized(edge, nSize, nSize, ResizeFit::Fill, filter);
            for (std::size_t i = 0; i < shrunk.alpha.size(); ++i) {
                if (shrunk.alpha[i] == 0) continue;
                EXPECT_EQ(shrunk.rgb[3 * i], 255) << int(filter) << " to " << nSize << " at " << i;
                EXPECT_EQ(shrunk.rgb[3 * i + 1], 0) << int(filter) << " to " << nSize << " at " << i;
            }
        }
    }
}

} // namespace
