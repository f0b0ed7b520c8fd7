// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dib_image.h"
#include "core/dither.h"
#include "core/luminance.h"
#include "core/pixel_encoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>

namespace {

constexpr DitherMethod kAllMethods[] = {DitherMethod::None, DitherMethod::FloydSteinberg, DitherMethod::Atkinson,
                                        DitherMethod::Ordered};

RgbImage Flat(std::int32_t nWidth, std::int32_t nHeight, Rgb colour)
{
    RgbImage picture(nWidth, nHeight);
    for (std::size_t i = 0; i < picture.rgb.size(); i += 3) {
        picture.rgb[i] = colour.r;
        picture.rgb[i + 1] = colour.g;
        picture.rgb[i + 2] = colour.b;
    }
    return picture;
}

// Every quantiser reached through one call shape, with the colour it shows.
struct Format {
    std::string strName;
    std::function<std::vector<std::uint16_t>(const RgbImage&, DitherMethod)> dither;
    std::function<Rgb(std::uint16_t)> shown;
};

template <class Quantiser>
Format Whole(std::string strName, Quantiser quantiser)
{
    return {strName, [quantiser](const RgbImage& p, DitherMethod m) { return Dither(p, quantiser, m); },
            [quantiser](std::uint16_t nCode) { return quantiser.Shown(nCode); }};
}

Format Grey(std::string strName, GreyLevels quantiser)
{
    return {strName, [quantiser](const RgbImage& p, DitherMethod m) { return Dither(LuminanceImage(p), quantiser, m); },
            [quantiser](std::uint16_t nCode) { return quantiser.Shown(nCode); }};
}

std::vector<Format> AllFormats()
{
    return {Whole("mono 128", MonoChannelRule({128, 128, 128})),
            Whole("64 colours", SixtyFourColours({100, 128, 160})),
            Whole("332", MaskedChannels(ColorMode::Colors256, Rounding::Truncate)),
            Whole("332 rounded", MaskedChannels(ColorMode::Colors256, Rounding::Nearest)),
            Whole("555", MaskedChannels(ColorMode::Rgb555, Rounding::Truncate)),
            Whole("565 rounded", MaskedChannels(ColorMode::Rgb565, Rounding::Nearest)),
            Whole("palette", PaletteQuantiser({{0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {0, 128, 255}, {90, 90, 90}})),
            Grey("grey1", GreyScale(1)),
            Grey("grey2", GreyScale(2)),
            Grey("grey4", GreyScale(4)),
            Grey("luminance 128", LuminanceThreshold(128))};
}

TEST(Dither, NoneGivesTheSixModesCodesAndShownColours)
{
    const Thresholds thresholdSets[] = {{128, 128, 128}, {0, 255, 17}, {-1, 256, 1000}};
    std::mt19937 random(23);
    const std::int32_t nWidth = 97, nHeight = 3;
    CDibImage image;
    ASSERT_TRUE(image.Create(nWidth, nHeight));
    RgbImage picture(nWidth, nHeight);
    for (std::int32_t y = 0; y < nHeight; ++y) {
        for (std::int32_t x = 0; x < nWidth; ++x) {
            std::uint8_t* bgr = image.m_pSrcBits + (nHeight - 1 - y) * image.GetStride() + 3 * x;
            for (int c = 0; c < 3; ++c) picture.Pixel(x, y)[c] = bgr[2 - c] = static_cast<std::uint8_t>(random());
        }
    }
    for (const Thresholds& t : thresholdSets) {
        const std::pair<ColorMode, Format> modes[] = {
            {ColorMode::Mono, Whole("mono", MonoChannelRule(t))},
            {ColorMode::Colors64, Whole("64", SixtyFourColours(t))},
            {ColorMode::Colors256, Whole("332", MaskedChannels(ColorMode::Colors256, Rounding::Truncate))},
            {ColorMode::Rgb555, Whole("555", MaskedChannels(ColorMode::Rgb555, Rounding::Truncate))},
            {ColorMode::Rgb565, Whole("565", MaskedChannels(ColorMode::Rgb565, Rounding::Truncate))},
        };
        for (const auto& [mode, format] : modes) {
            SCOPED_TRACE(format.strName + " at thresholds " + std::to_string(t.r) + "," + std::to_string(t.g) + "," +
                         std::to_string(t.b));
            ASSERT_EQ(image.ReduceColors(mode, t), 1);
            const PixelEncoder encoder(mode, t);
            const std::vector<std::uint16_t> codes = format.dither(picture, DitherMethod::None);
            for (std::int32_t y = 0; y < nHeight; ++y) {
                for (std::int32_t x = 0; x < nWidth; ++x) {
                    const Rgb in = picture.At(x, y);
                    const std::uint32_t nExpected = encoder.Encode(in.r | in.g << 8 | in.b << 16);
                    const std::uint16_t nCode = codes[std::size_t(y) * nWidth + x];
                    ASSERT_EQ(nCode, mode == ColorMode::Mono ? std::uint32_t(nExpected != 0) : nExpected) << x;
                    const std::uint8_t* bgr = image.m_pDispBits + (nHeight - 1 - y) * image.GetStride() + 3 * x;
                    ASSERT_EQ(format.shown(nCode), (Rgb{bgr[2], bgr[1], bgr[0]})) << x;
                }
            }
        }
    }
}

TEST(Dither, RoundingTakesTheNearestFullScaleLevel)
{
    const struct {
        ColorMode mode;
        Rgb in;
        std::uint16_t nTruncated, nRounded;
        Rgb shownRounded;
    } cases[] = {
        {ColorMode::Rgb565, {255, 255, 255}, 0xFFFF, 0xFFFF, {255, 255, 255}},
        {ColorMode::Rgb565, {252, 6, 3}, 0xF820, 0xF840, {255, 8, 0}},
        {ColorMode::Rgb555, {250, 4, 12}, 0x7C01, 0x7822, {247, 8, 16}},
        {ColorMode::Colors256, {200, 100, 40}, 0xCC, 0xAC, {182, 109, 0}},
    };
    for (const auto& c : cases) {
        const RgbImage picture = Flat(1, 1, c.in);
        EXPECT_EQ(Dither(picture, MaskedChannels(c.mode, Rounding::Truncate), DitherMethod::None)[0], c.nTruncated);
        const ColourLevels rounded = MaskedChannels(c.mode, Rounding::Nearest);
        const std::uint16_t nCode = Dither(picture, rounded, DitherMethod::None)[0];
        EXPECT_EQ(nCode, c.nRounded) << int(c.mode);
        EXPECT_EQ(rounded.Shown(nCode), c.shownRounded) << int(c.mode);
    }
}

TEST(Dither, AFlatShownColourStaysFlatUnderEveryMethod)
{
    for (const Format& format : AllFormats()) {
        for (std::uint16_t nCode : {0, 1, 3}) {
            // Only colours the rule gives back: 64 colours shows levels that it does not.
            const Rgb colour = format.shown(nCode);
            if (format.dither(Flat(1, 1, colour), DitherMethod::None)[0] != nCode) continue;
            for (DitherMethod method : kAllMethods) {
                const std::vector<std::uint16_t> codes = format.dither(Flat(19, 11, colour), method);
                const Rgb first = format.shown(codes[0]);
                EXPECT_EQ(first, colour) << format.strName << " code " << nCode << " method " << int(method);
                for (std::uint16_t c : codes) ASSERT_EQ(format.shown(c), first) << format.strName << " method " << int(method);
            }
        }
    }
}

// Dithering keeps the mean of a gradient's every band of 16 columns, where
// the rule alone shifts it by up to half a level's step; bands near black
// and white are left out, since truncation cannot reach white. Atkinson
// drops a quarter of each error by design, so it is not held to this.
TEST(Dither, KeepsTheLocalMeanOfAGradient)
{
    constexpr std::int32_t nWidth = 256, nHeight = 32, nBand = 16;
    RgbImage gradient(nWidth, nHeight);
    for (std::int32_t y = 0; y < nHeight; ++y) {
        for (std::int32_t x = 0; x < nWidth; ++x) {
            std::uint8_t* p = gradient.Pixel(x, y);
            p[0] = p[1] = p[2] = static_cast<std::uint8_t>(x);
        }
    }
    for (const Format& format : AllFormats()) {
        for (DitherMethod method : {DitherMethod::FloydSteinberg, DitherMethod::Ordered}) {
            const std::vector<std::uint16_t> codes = format.dither(gradient, method);
            double dWorst = 0;
            for (std::int32_t x0 = 48; x0 < 192; x0 += nBand) {
                double dError = 0;
                for (std::int32_t y = 0; y < nHeight; ++y) {
                    for (std::int32_t x = x0; x < x0 + nBand; ++x) {
                        const Rgb shown = format.shown(codes[std::size_t(y) * nWidth + x]);
                        dError += (shown.r + shown.g + shown.b) / 3.0 - x;
                    }
                }
                dWorst = std::max(dWorst, std::abs(dError / (nBand * nHeight)));
            }
            // Ordered dithering has 64 steps between two levels; error diffusion is finer.
            EXPECT_LE(dWorst, method == DitherMethod::Ordered ? 3.0 : 1.5) << format.strName << " method " << int(method);
        }
    }
}

// Floyd-Steinberg as textbooks give it, each channel of a level quantiser
// on its own: the error in sixteenths, a value rounded half up and clamped.
template <int N>
std::vector<std::uint16_t> TextbookFloydSteinberg(const std::vector<std::uint8_t>& values, std::int32_t nWidth,
                                                  const LevelQuantiser<N>& quantiser)
{
    const std::int32_t nHeight = static_cast<std::int32_t>(values.size() / N / nWidth);
    std::vector<int> spread(values.size());
    std::vector<std::uint16_t> codes(values.size() / N);
    for (std::int32_t y = 0; y < nHeight; ++y) {
        const int dx = y % 2 == 0 ? 1 : -1;
        for (std::int32_t i = 0; i < nWidth; ++i) {
            const std::int32_t x = dx > 0 ? i : nWidth - 1 - i;
            for (int c = 0; c < N; ++c) {
                const LevelRule& rule = quantiser.channels[c];
                const std::size_t at = std::size_t(y * nWidth + x) * N + c;
                const int v = std::clamp((16 * values[at] + spread[at] + 8) >> 4, 0, 255);
                codes[at / N] = static_cast<std::uint16_t>(codes[at / N] + (rule.level[v] << rule.nShift));
                const int e = v - rule.shown[rule.level[v]];
                for (const auto [gx, gy, nShare] : {std::array{x + dx, y, 7}, {x - dx, y + 1, 3}, {x, y + 1, 5}, {x + dx, y + 1, 1}})
                    if (gx >= 0 && gx < nWidth && gy < nHeight) spread[std::size_t(gy * nWidth + gx) * N + c] += nShare * e;
            }
        }
    }
    return codes;
}

// Colour and grey levels take the state-machine kernel where their errors
// are few (5-6-5, grey4) and the pixel-by-pixel one elsewhere (grey1).
// White under truncation leaves the largest error, which reaches the far end
// of the state machine's tables where white lies below white.
TEST(Dither, FloydSteinbergGivesTheTextbookCodes)
{
    std::mt19937 random(5);
    const ColourLevels colours[] = {MaskedChannels(ColorMode::Rgb565, Rounding::Truncate),
                                    MaskedChannels(ColorMode::Rgb565, Rounding::Nearest),
                                    MaskedChannels(ColorMode::Colors256, Rounding::Truncate), SixtyFourColours({100, 128, 160})};
    const auto check = [&](const RgbImage& picture) {
        const std::int32_t nWidth = picture.nWidth;
        const GreyImage grey{nWidth, picture.nHeight,
                             std::vector<std::uint8_t>(picture.rgb.begin(), picture.rgb.begin() + nWidth * picture.nHeight)};
        for (const ColourLevels& quantiser : colours)
            EXPECT_EQ(Dither(picture, quantiser, DitherMethod::FloydSteinberg), TextbookFloydSteinberg(picture.rgb, nWidth, quantiser))
                << nWidth << " " << int(quantiser.channels[0].shown[1]);
        for (int nBits : {1, 2, 4, 8})
            EXPECT_EQ(Dither(grey, GreyScale(nBits), DitherMethod::FloydSteinberg), TextbookFloydSteinberg(grey.grey, nWidth, GreyScale(nBits)))
                << nWidth << " grey" << nBits;
    };
    for (std::int32_t nWidth : {1, 2, 16, 17, 45}) {
        RgbImage picture(nWidth, 7), halfWhite(nWidth, 7);
        for (std::size_t i = 0; i < picture.rgb.size(); ++i) {
            picture.rgb[i] = static_cast<std::uint8_t>(random());
            halfWhite.rgb[i] = i % 2 == 0 ? 255 : picture.rgb[i];
        }
        check(picture);
        check(halfWhite);
    }
}

// Row 0 black leaves no error, so row 1 (grey 100 on one bit) starts with
// all of its error at the right end.
TEST(Dither, OddRowsRunRightToLeft)
{
    GreyImage picture{4, 2, {0, 0, 0, 0, 100, 100, 100, 100}};
    const struct {
        DitherMethod method;
        std::vector<std::uint16_t> row1;
    } cases[] = {{DitherMethod::FloydSteinberg, {0, 0, 1, 0}}, {DitherMethod::Atkinson, {1, 0, 0, 0}}};
    for (const auto& c : cases) {
        const std::vector<std::uint16_t> codes = Dither(picture, GreyScale(1), c.method);
        EXPECT_EQ(std::vector<std::uint16_t>(codes.begin() + 4, codes.end()), c.row1) << int(c.method);
    }
}

TEST(Dither, OrderedFollowsTheBayerMatrix)
{
    // Grey 128 on one bit: the upper level wherever the cell's index is under 32.
    const std::vector<std::uint16_t> codes = Dither(GreyImage{8, 2, std::vector<std::uint8_t>(16, 128)}, GreyScale(1),
                                                    DitherMethod::Ordered);
    EXPECT_EQ(codes, (std::vector<std::uint16_t>{1, 0, 1, 0, 1, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0, 1}));
}

// Ordered dithering codes runs of thirty-two and sixteen pixels with vector
// kernels and the rest of a row one by one: rows repeating every eight
// pixels, with every value on every Bayer cell, come out repeating too.
TEST(Dither, OrderedGivesTheSameCodesInRunsOfSixteenAndOneByOne)
{
    constexpr std::int32_t nWidth = 32 + 16 + 8;
    RgbImage picture(nWidth, 8 * 256);
    for (std::int32_t y = 0; y < picture.nHeight; ++y)
        for (std::int32_t x = 0; x < picture.nWidth; ++x)
            for (int c = 0; c < 3; ++c) picture.Pixel(x, y)[c] = static_cast<std::uint8_t>((y >> 3) + 85 * c + 29 * (x & 7));
    std::vector<Format> formats = AllFormats();
    formats.push_back(Whole("565", MaskedChannels(ColorMode::Rgb565, Rounding::Truncate)));
    formats.push_back(Whole("mono outside 0..255", MonoChannelRule({-5, 300, 128})));
    formats.push_back(Whole("mono 0,255,40", MonoChannelRule({0, 255, 40})));
    GreyImage grey{picture.nWidth, picture.nHeight, {}};
    for (std::size_t i = 0; i < picture.rgb.size(); i += 3) grey.grey.push_back(picture.rgb[i]);
    for (const Format& format : formats) {
        const std::vector<std::uint16_t> codes = format.dither(picture, DitherMethod::Ordered);
        const std::vector<std::uint16_t> greyCodes = format.strName.starts_with("grey")
                                                         ? Dither(grey, GreyScale(format.strName.back() - '0'), DitherMethod::Ordered)
                                                         : codes;
        for (const std::vector<std::uint16_t>* plane : {&codes, &greyCodes}) {
            int nDiffering = 0;
            for (std::size_t i = 0; i < plane->size(); ++i) {
                const std::size_t x = i % nWidth;
                if (x >= 8 && (*plane)[i] != (*plane)[i - 8]) ++nDiffering;
            }
            EXPECT_EQ(nDiffering, 0) << format.strName;
        }
    }
}

TEST(Dither, MethodsByName)
{
    EXPECT_EQ(DitherMethodNamed("none"), DitherMethod::None);
    EXPECT_EQ(DitherMethodNamed("floyd-steinberg"), DitherMethod::FloydSteinberg);
    EXPECT_EQ(DitherMethodNamed("atkinson"), DitherMethod::Atkinson);
    EXPECT_EQ(DitherMethodNamed("ordered"), DitherMethod::Ordered);
    EXPECT_EQ(DitherMethodNamed("Ordered"), std::nullopt);
}

} // namespace
