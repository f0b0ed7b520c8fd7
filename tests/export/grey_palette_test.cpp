// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/picture_values.h"
#include "core/pixel_format.h"
#include "core/quantisers.h"
#include "export/export_format.h"
#include "testkit/doc_builder.h"

#include <gtest/gtest.h>

#include <random>

using namespace testing_support;

namespace {

std::uint32_t Grey(std::uint32_t v)
{
    return v << 16 | v << 8 | v;
}

constexpr std::uint32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

// The values of each array of a bytes-format text, in order.
std::vector<std::vector<int>> Arrays(const std::string& text)
{
    std::vector<std::vector<int>> arrays;
    for (std::size_t nOpen = text.find("= {"); nOpen != std::string::npos; nOpen = text.find("= {", nOpen + 1)) {
        arrays.emplace_back();
        const std::size_t nEnd = text.find("};", nOpen);
        for (std::size_t n = text.find("0x", nOpen); n < nEnd; n = text.find("0x", n + 4))
            arrays.back().push_back(std::stoi(text.substr(n + 2, 2), nullptr, 16));
    }
    return arrays;
}

// A picture of a mode with its palette and values made as the tool makes them.
struct Reduced {
    std::vector<std::uint32_t> pixels, palette, values;
    CapturedPicture picture;

    Reduced(int nWidth, int nHeight, ColorMode mode, std::vector<std::uint32_t> given,
            std::vector<Rgb> colours = {}, DitherMethod dither = DitherMethod::None)
        : pixels(std::move(given))
    {
        ReductionSettings settings;
        settings.palette = std::move(colours);
        settings.dither = dither;
        picture = {nWidth, nHeight, mode, {128, 128, 128}, pixels, {}, {}};
        palette = PaletteFor(picture, settings);
        picture.palette = palette;
        values = EncodedValues(picture, settings);
        picture.values = values;
    }
};

LayoutOptions With(void (*set)(LayoutOptions&))
{
    LayoutOptions options;
    set(options);
    return options;
}

TEST(GreyAndPaletteFormats, PackPixelsAndPalettesAsTheOptionsSay)
{
    const std::vector<Rgb> rgb = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    const struct {
        const char* name;
        ColorMode mode;
        int nWidth, nHeight;
        std::vector<std::uint32_t> pixels;
        LayoutOptions options;
        std::vector<std::vector<int>> expected;
    } cases[] = {
        // Levels 0, 1, 2, 3, 1: the leftmost pixel in the high bits, rows padded to a byte.
        {"grey2 msb", ColorMode::Grey2, 5, 1, {Grey(0), Grey(85), Grey(170), Grey(255), Grey(85)}, {}, {{0x1b, 0x40}}},
        {"grey2 lsb", ColorMode::Grey2, 5, 1, {Grey(0), Grey(85), Grey(170), Grey(255), Grey(85)},
         With([](LayoutOptions& o) { o.bitOrder = BitOrder::Lsb; }), {{0xe4, 0x01}}},
        {"grey4 two rows", ColorMode::Grey4, 3, 2, {Grey(0x11), Grey(0xff), Grey(0x88), Grey(0), Grey(0x22), Grey(0x33)}, {},
         {{0x1f, 0x80, 0x02, 0x30}}},
        // Saturated colours by their seen brightness: red 127 to level 7, blue 76 to 4.
        {"grey4 colours", ColorMode::Grey4, 2, 1, {kRed, kBlue}, {}, {{0x74}}},
        {"grey1 white is 1", ColorMode::Grey1, 3, 1, {Grey(255), Grey(0), Grey(200)}, {}, {{0xa0}}},
        {"grey1 pages", ColorMode::Grey1, 1, 9,
         {Grey(255), Grey(0), Grey(0), Grey(0), Grey(0), Grey(0), Grey(0), Grey(255), Grey(255)},
         With([](LayoutOptions& o) { o.packing = MonoPacking::Pages; }), {{0x81, 0x01}}},
        {"grey8", ColorMode::Grey8, 2, 1, {Grey(0x12), kGreen}, {}, {{0x12, 0xdc}}},
        {"index2 888", ColorMode::Index2, 4, 1, {kBlue, kRed, kGreen, kBlue}, {},
         {{0xff, 0, 0, 0, 0xff, 0, 0, 0, 0xff, 0, 0, 0}, {0x86}}},
        {"index2 565 big", ColorMode::Index2, 4, 1, {kBlue, kRed, kGreen, kBlue}, With([](LayoutOptions& o) {
             o.paletteFormat = PaletteFormat::Rgb565;
             o.byteOrder = ByteOrder::Big;
         }),
         {{0xf8, 0, 0x07, 0xe0, 0, 0x1f, 0, 0}, {0x86}}},
        {"index4 lsb 565", ColorMode::Index4, 3, 1, {kGreen, kBlue, kRed}, With([](LayoutOptions& o) {
             o.paletteFormat = PaletteFormat::Rgb565;
             o.bitOrder = BitOrder::Lsb;
         }),
         {{0, 0xf8, 0xe0, 0x07, 0x1f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
          {0x21, 0x00}}},
    };
    for (const auto& c : cases) {
        const bool bPalette = FindPixelFormat(c.mode)->UsesPalette();
        const Reduced reduced(c.nWidth, c.nHeight, c.mode, c.pixels, bPalette ? rgb : std::vector<Rgb>{});
        const std::string text = ExportText(reduced.picture, ExportFormat::Bytes, "img", c.options);
        EXPECT_EQ(Arrays(text), c.expected) << c.name << "\n" << text;
        EXPECT_EQ(text.find("img_palette[") != std::string::npos, bPalette) << c.name;
    }
}

// Every grey and palette row, in every packing, comes back from --decode as
// the levels' greys or the palette's colours, and writes the same text again;
// -f bin holds the palette, then the pixels, as the source's arrays do.
TEST(GreyAndPaletteFormats, ExportsReadBackToTheirLevelsAndPaletteColours)
{
    std::mt19937 random(23);
    std::vector<std::uint32_t> pixels(13 * 9);
    for (std::uint32_t& pixel : pixels) pixel = random() & 0xFFFFFF;
    for (const PixelFormat& format : PixelFormats()) {
        if (format.rule != ChannelRule::Grey && !format.UsesPalette()) continue;
        std::vector<LayoutOptions> layouts;
        for (BitOrder order : {BitOrder::Msb, BitOrder::Lsb}) {
            for (PaletteFormat palette : {PaletteFormat::Rgb888, PaletteFormat::Rgb565}) {
                LayoutOptions options;
                if (format.PacksBits()) options.bitOrder = order;
                if (format.UsesPalette()) options.paletteFormat = palette;
                if (format.UsesPalette() && palette == PaletteFormat::Rgb565 && order == BitOrder::Lsb)
                    options.byteOrder = ByteOrder::Big;
                if (format.nStorageBits == 1 && palette == PaletteFormat::Rgb565) options.packing = MonoPacking::Pages;
                layouts.push_back(options);
            }
        }
        const Reduced reduced(13, 9, format.mode, pixels, {}, DitherMethod::FloydSteinberg);
        ASSERT_EQ(reduced.values.size(), pixels.size()) << format.pszName;
        EXPECT_LE(reduced.palette.size(), static_cast<std::size_t>(format.PaletteSize())) << format.pszName;
        for (const LayoutOptions& options : layouts) {
            const std::string what = std::string(format.pszName) + " " + DescribeLayout(format.mode, options);
            ASSERT_EQ(OptionNotForMode(options, format.mode), nullptr) << what;
            const std::string text = ExportText(reduced.picture, ExportFormat::Bytes, "img", options);
            PictureBuffer decoded;
            const ReadError error = ReadExportText(text, decoded);
            ASSERT_FALSE(error) << what << ": " << *error;
            EXPECT_EQ(decoded.mode, format.mode) << what;
            EXPECT_EQ(ExportText(decoded.View(), ExportFormat::Bytes, "img", options), text) << what;
            const bool b888 = options.GetPaletteFormat() == PaletteFormat::Rgb888;
            for (std::size_t i = 0; i < pixels.size(); ++i) {
                const std::uint32_t value = reduced.values[i];
                if (!format.UsesPalette())
                    ASSERT_EQ(decoded.pixels[i], Grey(FullScaleLevel(format.nStorageBits, static_cast<int>(value)))) << what;
                else if (b888)
                    ASSERT_EQ(decoded.pixels[i], reduced.palette[value]) << what;
                else
                    ASSERT_EQ(decoded.pixels[i], reduced.palette[value] & 0xF8FCF8) << what;
            }

            std::vector<int> joined;
            for (const std::vector<int>& array : Arrays(text)) joined.insert(joined.end(), array.begin(), array.end());
            ExportJob job{reduced.picture, "img", options};
            char* buffer = nullptr;
            std::size_t nSize = 0;
            std::FILE* file = open_memstream(&buffer, &nSize);
            ASSERT_TRUE(WriteExportFile(file, FindOutputFormat(ExportFormat::Bin), job));
            std::fclose(file);
            const auto* bytes = reinterpret_cast<const unsigned char*>(buffer);
            EXPECT_EQ(std::vector<int>(bytes, bytes + nSize), joined) << what;
            std::free(buffer);
        }
    }
}

} // namespace
