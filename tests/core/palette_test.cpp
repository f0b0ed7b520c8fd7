// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dither.h"
#include "core/palette_choice.h"
#include "core/palette_file.h"
#include "core/picture_values.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

TEST(PaletteFile, ReadsOneColourALineBesideComments)
{
    const PaletteFile file = ParsePalette("# e-paper\n\n#FF0000\n  00ff7f ; green\r\n// blue next\n#0000fF\n#\n");
    EXPECT_EQ(file.fault, PaletteFileFault::None);
    EXPECT_EQ(file.colours, (std::vector<Rgb>{{255, 0, 0}, {0, 255, 127}, {0, 0, 255}}));
}

TEST(PaletteFile, FaultsNameTheirLine)
{
    std::string many;
    for (int i = 0; i < 257; ++i) many += "000000\n";
    const struct {
        std::string text;
        PaletteFileFault fault;
        int nLine;
        std::string strText;
    } cases[] = {
        {"ff0000\n#12g456\n", PaletteFileFault::NotAColour, 2, "#12g456"},
        {"\n\n#ff000\n", PaletteFileFault::NotAColour, 3, "#ff000"},
        {"ff0000 00ff00\n", PaletteFileFault::NotAColour, 1, "ff0000 00ff00"},
        {"##ff0000\n", PaletteFileFault::NotAColour, 1, "##ff0000"},
        {many, PaletteFileFault::TooMany, 257, "000000"},
        {"; nothing\n\n", PaletteFileFault::Empty, 0, ""},
    };
    for (const auto& c : cases) {
        const PaletteFile file = ParsePalette(c.text);
        EXPECT_EQ(file.fault, c.fault) << c.strText;
        EXPECT_EQ(file.nLine, c.nLine) << c.strText;
        EXPECT_EQ(file.strText, c.strText);
        EXPECT_TRUE(file.colours.empty());
    }
    EXPECT_EQ(DescribePaletteFault("e.txt", ParsePalette("ff0000\n#12g456\n")),
              "e.txt:2: \"#12g456\" is not a colour (#rrggbb or rrggbb)");
    const PaletteFile missing = ReadPaletteFile("/nonexistent/palette.txt");
    EXPECT_EQ(missing.fault, PaletteFileFault::CannotRead);
}

TEST(PaletteQuantiser, CodeIsTheIndexOfTheNearestColour)
{
    const PaletteQuantiser epaper({{0, 0, 0}, {255, 255, 255}, {0, 255, 0}, {0, 0, 255}, {255, 0, 0}, {255, 255, 0},
                                   {255, 128, 0}});
    const struct {
        Rgb in;
        std::uint16_t nCode;
    } cases[] = {{{250, 10, 10}, 4}, {{255, 150, 20}, 6}, {{100, 100, 100}, 0}, {{170, 170, 170}, 1}, {{120, 120, 120}, 6}, {{0, 0, 0}, 0}};
    for (const auto& c : cases) EXPECT_EQ(epaper.Code(c.in.r, c.in.g, c.in.b), c.nCode) << int(c.in.r);
}

// Undithered, every pixel takes its nearest colour, whatever came before it:
// runs, and neighbours apart in one channel only.
TEST(PaletteQuantiser, UnditheredIndicesAreEachPixelsNearest)
{
    const std::vector<std::uint32_t> palette = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000};
    // A quarter of a channel is nearer black than the full channel: each
    // channel of the palette is read whole.
    const std::vector<std::uint32_t> pixels = {0x0000F0, 0x0000F0, 0x00F000, 0xF00000, 0xF00000, 0x000000,
                                               0x000040, 0x0000F0, 0x00F000, 0x004000, 0x400000, 0x000000};
    CapturedPicture picture{6, 2, ColorMode::Index2, {128, 128, 128}, pixels, {}};
    picture.palette = palette;
    EXPECT_EQ(EncodedValues(picture, {}), (std::vector<std::uint32_t>{1, 1, 2, 3, 3, 0, 0, 1, 2, 0, 0, 0}));

    // Half levels, whose bits a wrong shift of the packed colour would lose.
    const std::vector<std::uint32_t> halves = {0x000000, 0x800000, 0x008000, 0x000080};
    const std::vector<std::uint32_t> halfPixels = {0x800000, 0x008000, 0x000080, 0x000000};
    CapturedPicture halfPicture{4, 1, ColorMode::Index2, {128, 128, 128}, halfPixels, {}};
    halfPicture.palette = halves;
    EXPECT_EQ(EncodedValues(halfPicture, {}), (std::vector<std::uint32_t>{1, 2, 3, 0}));
}

TEST(PaletteChoice, KeepsAFewColoursExactlyAndMapsAGradientClosely)
{
    const Rgb four[] = {{0, 0, 0}, {255, 255, 255}, {200, 30, 40}, {20, 90, 220}};
    RgbImage blocks(64, 64);
    RgbImage gradient(256, 64);
    for (std::int32_t y = 0; y < 64; ++y) {
        for (std::int32_t x = 0; x < 64; ++x) {
            const Rgb c = four[(x / 32) + 2 * (y / 32)];
            std::copy_n(&c.r, 3, blocks.Pixel(x, y));
        }
        for (std::int32_t x = 0; x < 256; ++x) {
            std::uint8_t* p = gradient.Pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y * 4);
            p[2] = 128;
        }
    }
    std::vector<Rgb> chosen = ChoosePalette(blocks, 16);
    std::vector<Rgb> expected(std::begin(four), std::end(four));
    const auto order = [](Rgb a, Rgb b) { return std::tie(a.r, a.g, a.b) < std::tie(b.r, b.g, b.b); };
    std::sort(chosen.begin(), chosen.end(), order);
    std::sort(expected.begin(), expected.end(), order);
    EXPECT_EQ(chosen, expected);

    for (int nColours : {2, 4, 16, 256}) {
        const std::vector<Rgb> palette = ChoosePalette(gradient, nColours);
        ASSERT_FALSE(palette.empty());
        EXPECT_LE(palette.size(), std::size_t(nColours));
        const PaletteQuantiser quantiser(palette);
        const std::vector<std::uint16_t> codes = Dither(gradient, quantiser, DitherMethod::None);
        double dError = 0;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const Rgb shown = quantiser.Shown(codes[i]);
            dError += std::abs(shown.r - gradient.rgb[3 * i]) + std::abs(shown.g - gradient.rgb[3 * i + 1]) +
                      std::abs(shown.b - gradient.rgb[3 * i + 2]);
        }
        // Evenly spread colours over the gradient's square would leave 128 / sqrt(n) a channel.
        EXPECT_LT(dError / (3.0 * codes.size()), 64.0 / std::sqrt(double(nColours)) + 1) << nColours;
    }
    EXPECT_TRUE(ChoosePalette(RgbImage(), 4).empty());
}

} // namespace
