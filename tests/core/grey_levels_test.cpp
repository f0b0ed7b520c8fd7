// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dither.h"
#include "core/luminance.h"
#include "core/pixel_encoder.h"
#include "core/quantisers.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(Luminance, GreysKeepTheirValueAndPrimariesGetRec709LinearBrightness)
{
    for (int v = 0; v < 256; ++v) {
        const auto u = static_cast<std::uint8_t>(v);
        ASSERT_EQ(Luminance({u, u, u}), v);
    }
    // Rec. 601 on stored values would give 76, 150, 29 and 226.
    const struct {
        Rgb colour;
        int nLuminance;
    } cases[] = {{{255, 0, 0}, 127}, {{0, 255, 0}, 220}, {{0, 0, 255}, 76}, {{255, 255, 0}, 247}};
    for (const auto& c : cases) EXPECT_EQ(Luminance(c.colour), c.nLuminance);
}

TEST(Luminance, ImageHoldsEachPixelsLuminanceInOrder)
{
    RgbImage picture(2, 2);
    picture.rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9};
    const GreyImage grey = LuminanceImage(picture);
    EXPECT_EQ(grey.nWidth, 2);
    EXPECT_EQ(grey.nHeight, 2);
    EXPECT_EQ(grey.grey, (std::vector<std::uint8_t>{127, 220, 76, 9}));
}

TEST(GreyScale, ValuesTakeTheNearestOfEvenlySpreadLevels)
{
    const struct {
        int nBits;
        int nValue;
        int nLevel;
        int nShown;
    } cases[] = {
        {1, 127, 0, 0},   {1, 128, 1, 255}, {2, 42, 0, 0},     {2, 43, 1, 85},  {2, 127, 1, 85},
        {2, 128, 2, 170}, {2, 212, 2, 170}, {2, 213, 3, 255},  {4, 8, 0, 0},    {4, 9, 1, 17},
        {4, 247, 15, 255}, {4, 246, 14, 238}, {8, 0, 0, 0},     {8, 77, 77, 77}, {8, 255, 255, 255},
    };
    for (const auto& c : cases) {
        const GreyLevels grey = GreyScale(c.nBits);
        const int nLevel = grey.channels[0].level[c.nValue];
        EXPECT_EQ(nLevel, c.nLevel) << c.nBits << " bits, value " << c.nValue;
        EXPECT_EQ(grey.Shown(static_cast<std::uint16_t>(nLevel)).g, c.nShown) << c.nBits << " bits, value " << c.nValue;
        EXPECT_EQ(grey.channels[0].shown.size(), std::size_t(1) << c.nBits);
    }
}

// The export encodes undithered grey pixel by pixel; it must give the codes
// of the whole-picture reduction, and a decoded level must encode back to itself.
TEST(GreyFormats, EachPixelEncodesAsTheUnditheredReductionAndDecodesToItsLevel)
{
    std::mt19937 random(101);
    RgbImage picture(64, 4);
    for (std::uint8_t& v : picture.rgb) v = static_cast<std::uint8_t>(random());
    std::vector<std::uint32_t> packed;
    for (std::size_t i = 0; i < picture.rgb.size(); i += 3)
        packed.push_back(std::uint32_t{picture.rgb[i + 2]} << 16 | std::uint32_t{picture.rgb[i + 1]} << 8 | picture.rgb[i]);
    const std::pair<ColorMode, int> modes[] = {{ColorMode::Grey1, 1}, {ColorMode::Grey2, 2}, {ColorMode::Grey4, 4}, {ColorMode::Grey8, 8}};
    for (const auto& [mode, nBits] : modes) {
        const PixelEncoder encoder(mode, {128, 128, 128});
        const std::vector<std::uint16_t> codes = Dither(LuminanceImage(picture), GreyScale(nBits), DitherMethod::None);
        for (std::size_t i = 0; i < packed.size(); ++i) {
            ASSERT_EQ(encoder.Encode(packed[i]), codes[i]) << nBits << " bits, pixel " << i;
            const std::uint32_t decoded = DecodedPixel(mode, codes[i]);
            ASSERT_EQ(decoded & 0xFF, FullScaleLevel(nBits, codes[i])) << nBits << " bits";
            ASSERT_EQ(encoder.Encode(decoded), codes[i]) << nBits << " bits";
        }
    }
}

} // namespace
