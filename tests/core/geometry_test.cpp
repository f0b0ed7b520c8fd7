// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/orientation.h"
#include "core/resize.h"

#include <gtest/gtest.h>

#include <string>

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

} // namespace
