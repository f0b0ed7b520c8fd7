// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bmp_layout.h"
#include "core/dib_image.h"
#include "core/pixel_encoder.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

// A picture one pixel high holding the given (r, g, b) pixels; false when
// it could not be made.
[[nodiscard]] bool FillRow(CDibImage& image, const std::vector<std::array<int, 3>>& pixels)
{
    if (!image.Create(static_cast<int>(pixels.size()), 1)) return false;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        image.m_pSrcBits[3 * i] = static_cast<std::uint8_t>(pixels[i][2]);
        image.m_pSrcBits[3 * i + 1] = static_cast<std::uint8_t>(pixels[i][1]);
        image.m_pSrcBits[3 * i + 2] = static_cast<std::uint8_t>(pixels[i][0]);
    }
    return true;
}

std::array<int, 3> Shown(const CDibImage& image, int x)
{
    const std::uint8_t* p = image.m_pDispBits + 3 * x;
    return {p[2], p[1], p[0]};
}

// Every grey value 0..255 in one row, to read one channel's display rule.
std::vector<int> ShownGreys(ColorMode mode, int nThreshold)
{
    CDibImage image;
    std::vector<std::array<int, 3>> greys;
    for (int v = 0; v < 256; ++v) greys.push_back({v, v, v});
    if (!FillRow(image, greys)) return {};
    EXPECT_EQ(image.ReduceColors(mode, {nThreshold, nThreshold, nThreshold}), 1);
    std::vector<int> shown;
    for (int v = 0; v < 256; ++v) shown.push_back(Shown(image, v)[0]);
    return shown;
}

struct LevelCase {
    int nThreshold;
    // first grey value showing 63, 127 and 255 (256: never)
    int nFirst63, nFirst127, nFirst255;
};

void PrintTo(const LevelCase& c, std::ostream* os)
{
    *os << "threshold " << c.nThreshold;
}

class LevelBoundaryTest : public testing::TestWithParam<LevelCase> {};

TEST_P(LevelBoundaryTest, SixtyFourColourLevelsChangeAtTheBoundaries)
{
    const LevelCase& c = GetParam();
    const std::vector<int> shown = ShownGreys(ColorMode::Colors64, c.nThreshold);
    ASSERT_EQ(shown.size(), 256u);
    for (int v = 0; v < 256; ++v) {
        const int expected = v >= c.nFirst255 ? 255 : v >= c.nFirst127 ? 127 : v >= c.nFirst63 ? 63 : 0;
        ASSERT_EQ(shown[v], expected) << "grey " << v;
    }
}

INSTANTIATE_TEST_SUITE_P(Thresholds, LevelBoundaryTest,
                         testing::Values(LevelCase{0, 0, 0, 127}, LevelCase{128, 64, 128, 191},
                                         LevelCase{129, 64, 129, 192}, LevelCase{255, 127, 255, 255}));

TEST(ColorReduction, MonoTurnsBlackOnlyWhenEveryChannelIsBelowItsThreshold)
{
    struct Case {
        int tR, tG, tB;
        std::array<int, 3> pixel;
        int shown;
    } cases[] = {
        {128, 128, 128, {127, 127, 127}, 0},   {128, 128, 128, {128, 0, 0}, 255},
        {0, 0, 0, {0, 0, 0}, 255},             {255, 255, 255, {254, 254, 254}, 0},
        {255, 255, 255, {0, 0, 255}, 255},     {200, 128, 50, {150, 0, 30}, 0},
        {200, 128, 50, {30, 0, 150}, 255},     {255, 255, 255, {255, 255, 255}, 255},
    };
    // Rows long enough for the vector steps and their tail, on screen and in the export.
    for (const Case& c : cases) {
        for (int nWidth : {1, 6, 17}) {
            CDibImage image;
            ASSERT_TRUE(FillRow(image, std::vector<std::array<int, 3>>(static_cast<std::size_t>(nWidth), c.pixel)));
            image.ReduceColors(ColorMode::Mono, {c.tR, c.tG, c.tB});
            for (int x = 0; x < nWidth; ++x)
                EXPECT_EQ(Shown(image, x), (std::array<int, 3>{c.shown, c.shown, c.shown}))
                    << c.pixel[0] << "," << c.pixel[1] << "," << c.pixel[2] << " against " << c.tR << "," << c.tG
                    << "," << c.tB << " pixel " << x << " of " << nWidth;
        }
        const auto [r, g, b] = c.pixel;
        EXPECT_EQ(PixelEncoder(ColorMode::Mono, {c.tR, c.tG, c.tB}).Encode(static_cast<std::uint32_t>(b << 16 | g << 8 | r)),
                  c.shown == 0 ? 0u : 0xFFFFFFu);
    }
}

TEST(ColorReduction, MaskingModesKeepTheHighBits)
{
    const std::pair<ColorMode, std::array<int, 3>> cases[] = {
        {ColorMode::Colors256, {0xE0, 0xE0, 0xC0}},
        {ColorMode::Rgb555, {0xF8, 0xF8, 0xF8}},
        {ColorMode::Rgb565, {0xF8, 0xFC, 0xF8}},
        {ColorMode::Full, {0xFF, 0xFF, 0xFF}},
        {static_cast<ColorMode>(7), {0xFF, 0xFF, 0xFF}},
    };
    for (const auto& [mode, shown] : cases) {
        CDibImage image;
        ASSERT_TRUE(FillRow(image, {{255, 255, 255}, {0x9B, 0x9B, 0x9B}}));
        image.ReduceColors(mode, {128, 128, 128});
        EXPECT_EQ(Shown(image, 0), shown) << static_cast<int>(mode);
        EXPECT_EQ(Shown(image, 1), (std::array<int, 3>{0x9B & shown[0], 0x9B & shown[1], 0x9B & shown[2]}));
    }
}

TEST(ColorReduction, ReductionsStartFromTheSourceAndLeavePaddingAlone)
{
    for (int nWidth : {1, 2, 22, 33}) {   // 1, 2, 2 and 1 padding bytes a row
        CDibImage image;
        ASSERT_TRUE(image.Create(nWidth, 2));
        const std::int64_t nStride = image.GetStride();
        for (std::int64_t i = 0; i < 2 * nStride; ++i) {
            image.m_pSrcBits[i] = static_cast<std::uint8_t>(0x31 * (i + 1));
            image.m_pDispBits[i] = 0x77;
        }
        const std::vector<std::uint8_t> header(image.m_pDispBuffer, image.m_pDispBuffer + bmp::kHeadersSize);

        image.ReduceColors(ColorMode::Mono, {128, 128, 128});
        image.ReduceColors(ColorMode::Colors64, {0, 0, 0});
        image.ReduceColors(ColorMode::Rgb565, {0, 0, 0});
        image.ReduceColors(ColorMode::Full, {128, 128, 128});
        for (std::int64_t i = 0; i < 2 * nStride; ++i) {
            const bool bPadding = i % nStride >= 3 * nWidth;
            EXPECT_EQ(image.m_pDispBits[i], bPadding ? 0x77 : image.m_pSrcBits[i]) << "width " << nWidth << " byte " << i;
        }
        EXPECT_EQ(std::vector<std::uint8_t>(image.m_pDispBuffer, image.m_pDispBuffer + bmp::kHeadersSize), header);
    }
}

TEST(ColorReduction, WithoutAnImageNothingHappens)
{
    CDibImage image;
    EXPECT_EQ(image.ReduceColors(ColorMode::Mono, {128, 128, 128}), 0);
}

// The screen and the export must agree: an encoded value decoded to its
// kept bits gives exactly the displayed pixel.
TEST(ColorReduction, DisplayAgreesWithTheExportEncodingForEveryMode)
{
    std::vector<std::array<int, 3>> all;
    for (int i = 0; i < 4096; ++i) all.push_back({(i * 37) & 0xFF, (i * 91 + 7) & 0xFF, (i * 13 + i / 256) & 0xFF});
    // Thresholds outside 0..255 come only from document files, but must agree too.
    const Thresholds thresholds[] = {{128, 128, 128}, {0, 255, 129}, {200, 128, 50}, {300, -5, 1000}, {256, 0, 255}};
    // Widths that end on and between the vector steps of 5 and 16 pixels.
    for (int nWidth : {4096, 4095, 4094, 21, 7, 1}) {
        const std::vector<std::array<int, 3>> pixels(all.begin(), all.begin() + nWidth);
        for (const auto& t : thresholds) {
            for (ColorMode mode : {ColorMode::Mono, ColorMode::Colors64, ColorMode::Colors256, ColorMode::Rgb555,
                                   ColorMode::Rgb565, ColorMode::Full}) {
                CDibImage image;
                ASSERT_TRUE(FillRow(image, pixels));
                image.ReduceColors(mode, {t.r, t.g, t.b});
                const PixelEncoder encoder(mode, t);
                const ChannelBits bits = FindPixelFormat(mode)->bits;
                for (std::size_t i = 0; i < pixels.size(); ++i) {
                    const auto [r, g, b] = pixels[i];
                    const std::uint32_t e = encoder.Encode(static_cast<std::uint32_t>(b << 16 | g << 8 | r));
                    std::array<int, 3> expected{};
                    if (mode == ColorMode::Mono) {
                        const int v = e == 0 ? 0 : 255;
                        expected = {v, v, v};
                    } else if (mode == ColorMode::Colors64) {
                        expected = {kLevelDisplayValues[(e >> 4) & 3], kLevelDisplayValues[(e >> 2) & 3],
                                    kLevelDisplayValues[e & 3]};
                    } else {
                        auto up = [](std::uint32_t v, int n) { return static_cast<int>((v & ((1u << n) - 1)) << (8 - n)); };
                        expected = {up(e >> (bits.nBlue + bits.nGreen), bits.nRed), up(e >> bits.nBlue, bits.nGreen),
                                    up(e, bits.nBlue)};
                    }
                    ASSERT_EQ(Shown(image, static_cast<int>(i)), expected)
                        << "mode " << static_cast<int>(mode) << " width " << nWidth << " pixel " << i << " thresholds "
                        << t.r << "," << t.g << "," << t.b;
                }
            }
        }
    }
}

} // namespace
