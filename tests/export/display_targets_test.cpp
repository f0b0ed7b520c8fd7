// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dither.h"
#include "core/file_ptr.h"
#include "core/picture_values.h"
#include "core/pixel_encoder.h"
#include "core/pixel_format.h"
#include "export/display_target.h"
#include "export/export_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

namespace {

std::string Written(const OutputFormat& format, const CapturedPicture& picture, bool bInvert = false)
{
    char* buffer = nullptr;
    std::size_t nSize = 0;
    FilePtr file(open_memstream(&buffer, &nSize));
    LayoutOptions options;
    options.bInvert = bInvert;
    EXPECT_TRUE(WriteExportFile(file.get(), format, {picture, "img", options}));
    file.reset();
    std::string text(buffer, nSize);
    std::free(buffer);
    return text;
}

// What the format writes of the picture once reduced as the tool reduces it.
std::string WrittenReduced(const OutputFormat& format, const CapturedPicture& picture, const ReductionSettings& settings = {})
{
    ReducedValues kept;
    return Written(format, ReducedFor(format, picture, settings, kept));
}

// The values of the first array of a source: bytes "0x12" or words "0x1234".
std::vector<int> FirstArray(const std::string& text)
{
    std::vector<int> values;
    const std::size_t nStart = text.find("= {\n");
    const std::size_t nEnd = text.find("};", nStart);
    for (std::size_t n = text.find("0x", nStart); n < nEnd; n = text.find("0x", n + 2)) {
        const std::size_t nDigits = text.find_first_not_of("0123456789abcdef", n + 2) - (n + 2);
        values.push_back(std::stoi(text.substr(n + 2, nDigits), nullptr, 16));
    }
    return values;
}

constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF, kRed = 0x0000FF;
constexpr std::uint32_t kOneTwoThree = 0x030201;   // red 1, green 2, blue 3

struct LayoutCase {
    const char* target;
    ColorMode mode;
    bool bInvert;
    std::vector<int> expected;
};

TEST(DisplayTargets, EachLibraryGetsItsOwnLayout)
{
    // 10 x 2: the top row black, white, black ... and two blacks at the end;
    // the bottom row white. Bit order and padding differ by library.
    const char* rows = "BWBWBWBWBB"
                       "WWWWWWWWWW";
    std::vector<std::uint32_t> mono;
    for (const char* p = rows; *p != '\0'; ++p) mono.push_back(*p == 'B' ? kBlack : kWhite);
    const std::vector<std::uint32_t> colour = {kRed, kOneTwoThree};
    const std::vector<std::uint8_t> alpha = {0x80, 0x40};

    const LayoutCase cases[] = {
        {"u8g2", ColorMode::Mono, false, {0x55, 0x03, 0x00, 0x00}},
        {"xbm", ColorMode::Mono, false, {0x55, 0x03, 0x00, 0x00}},
        {"xbm", ColorMode::Mono, true, {0xaa, 0x00, 0xff, 0x03}},
        {"adafruit-gfx", ColorMode::Mono, false, {0xaa, 0xc0, 0x00, 0x00}},
        {"ssd1306", ColorMode::Mono, false, {1, 0, 1, 0, 1, 0, 1, 0, 1, 1}},
        {"sh1106", ColorMode::Mono, true, {2, 3, 2, 3, 2, 3, 2, 3, 2, 2}},
        {"adafruit-gfx", ColorMode::Rgb565, false, {0xf800, 0x0000}},
        {"tft-espi", ColorMode::Rgb565, false, {0xf800, 0x0000}},
        {"lvgl9", ColorMode::Rgb565, false, {0x00, 0xf8, 0x00, 0x00}},
        {"lvgl9", ColorMode::Full, false, {0x00, 0x00, 0xff, 3, 2, 1}},
        {"lvgl9-xrgb8888", ColorMode::Full, false, {0x00, 0x00, 0xff, 0xff, 3, 2, 1, 0xff}},
        {"lvgl8", ColorMode::Rgb565, false, {0x00, 0xf8, 0x00, 0x00}},
        {"lvgl8", ColorMode::Full, false, {0x00, 0x00, 0xff, 0xff, 3, 2, 1, 0xff}},
        // The colour pictures have the alphas 0x80 and 0x40, which only these keep.
        {"lvgl9", ColorMode::Argb8888, false, {0x00, 0x00, 0xff, 0x80, 3, 2, 1, 0x40}},
        {"lvgl9", ColorMode::Rgb565A8, false, {0x00, 0xf8, 0x00, 0x00, 0x80, 0x40}},
        {"lvgl9", ColorMode::A8, false, {0x80, 0x40}},
        {"lvgl8", ColorMode::Argb8888, false, {0x00, 0x00, 0xff, 0x80, 3, 2, 1, 0x40}},
        {"lvgl8", ColorMode::Rgb565A8, false, {0x00, 0xf8, 0x00, 0x00, 0x80, 0x40}},
        {"lvgl8", ColorMode::A8, false, {0x80, 0x40}},
        {"adafruit-gfx", ColorMode::Rgb565A1, false, {0xf800, 0x0000}},
    };
    for (const LayoutCase& c : cases) {
        const bool bMono = c.mode == ColorMode::Mono;
        CapturedPicture picture{bMono ? 10 : 2, bMono ? 2 : 1, c.mode, {128, 128, 128}, bMono ? mono : colour, {}};
        if (!bMono) picture.alpha = alpha;
        const OutputFormat* format = FindOutputFormat("bytes", c.target);
        ASSERT_NE(format, nullptr) << c.target;
        const std::string source = Written(*format, picture, c.bInvert);
        EXPECT_EQ(FirstArray(source), c.expected) << c.target << " -m " << static_cast<int>(c.mode);
        // drawRGBBitmap's mask: the first pixel drawn, the second not.
        if (c.mode == ColorMode::Rgb565A1) {
            EXPECT_EQ(FirstArray(source.substr(source.find("img_mask[1] PROGMEM = {"))), std::vector<int>{0x80});
        }
        EXPECT_FALSE(RefusalFor(*format, picture).has_value()) << c.target;
    }
}

TEST(DisplayTargets, SourcesDecodeAndBinFilesHoldTheSameBytes)
{
    // Larger than the blocks the writers pack at a time, which must join seamlessly.
    constexpr std::int32_t kWidth = 131, kHeight = 101;
    std::mt19937 random(24);
    std::vector<std::uint32_t> pixels(kWidth * kHeight);
    for (std::uint32_t& pixel : pixels) pixel = random() & 0xFFFFFF;
    std::vector<std::uint8_t> alpha(pixels.size());
    for (std::uint8_t& value : alpha) value = static_cast<std::uint8_t>(random());
    for (const OutputFormat& format : OutputFormats()) {
        if (format.pszTarget == nullptr || std::string_view(format.pszName) != "bytes" || format.pTarget->ReducesColours()) continue;
        for (const PixelFormat& pixel : PixelFormats()) {
            if (!format.TakesMode(pixel.mode)) continue;
            // A palette format's indices come from its palette, as the tool makes them.
            CapturedPicture picture{kWidth, kHeight, pixel.mode, {100, 128, 160}, pixels, {}};
            if (pixel.KeepsAlpha()) picture.alpha = alpha;
            const std::vector<std::uint32_t> palette = PaletteFor(picture, {});
            picture.palette = palette;
            const std::vector<std::uint32_t> values = EncodedValues(picture, {});
            picture.values = values;
            const std::string where = std::string(format.pszTarget) + " -m " + pixel.Word();
            const std::string source = Written(format, picture);

            PictureBuffer decoded;
            const ReadError error = ReadExportText(source, decoded);
            ASSERT_FALSE(error.has_value()) << where << ": " << *error;
            ASSERT_EQ(decoded.pixels.size(), pixels.size()) << where;
            const PixelEncoder original = picture.MakeEncoder();
            const PixelEncoder back = decoded.View().MakeEncoder();
            for (std::size_t i = 0; i < pixels.size(); ++i) {
                if (pixel.UsesPalette())
                    ASSERT_EQ(decoded.pixels[i], palette[values[i]]) << where << " pixel " << i;
                else
                    ASSERT_EQ(back.Encode(decoded.pixels[i]), original.Encode(pixels[i])) << where << " pixel " << i;
            }
            // Blocks join seamlessly: every line of the data but its last is full.
            const std::size_t nData = source.find("= {\n") + 4;
            const std::string data = source.substr(nData, source.find("};", nData) - nData);
            EXPECT_NE(data[data.find_last_not_of('\n')], ',') << where << ": the last value has no comma";
            std::istringstream lines(data);
            std::vector<std::size_t> perLine;
            for (std::string line; std::getline(lines, line);) perLine.push_back(std::count(line.begin(), line.end(), 'x'));
            for (std::size_t i = 0; i + 1 < perLine.size(); ++i) ASSERT_EQ(perLine[i], perLine[0]) << where << " line " << i;
            // The alpha comes back as kept: drawRGBBitmap's mask as drawn or not.
            std::vector<std::uint8_t> kept;
            if (pixel.KeepsAlpha()) kept = alpha;
            if (pixel.mode == ColorMode::Rgb565A1)
                for (std::uint8_t& value : kept) value = value >= 128 ? 0xFF : 0;
            EXPECT_TRUE(decoded.alpha == kept) << where;

            // The bin file holds the arrays' bytes one after the other,
            // 16-bit values low byte first, after the header of LVGL's image file.
            std::string bin = Written(*FindOutputFormat("bin", format.pszTarget), picture);
            if (std::string_view(format.pszTarget).starts_with("lvgl9")) {
                ASSERT_GE(bin.size(), 12u) << where;
                EXPECT_EQ(bin[0], 0x19) << where;
                EXPECT_EQ(bin.substr(4, 4), std::string("\x83\x00\x65\x00", 4)) << where;
                bin.erase(0, 12);
            }
            if (std::string_view(format.pszTarget) == "lvgl8") bin.erase(0, 4);
            std::string expected;
            for (std::size_t nArray = source.find("= {\n"); nArray != std::string::npos;
                 nArray = source.find("= {\n", nArray + 1)) {
                const std::size_t nLine = source.rfind('\n', nArray);
                const bool bWords = source.substr(nLine, nArray - nLine).find("uint16_t") != std::string::npos;
                for (int value : FirstArray(source.substr(nLine))) {
                    expected += static_cast<char>(value);
                    if (bWords) expected += static_cast<char>(value >> 8);
                }
            }
            EXPECT_TRUE(bin == expected) << where;
        }
    }
}

// Adafruit GFX's drawGrayscaleBitmap takes a byte a pixel; LVGL 9's L8 too,
// and its I1 to I8 a palette of B, G, R, A before rows of whole bytes.
TEST(DisplayTargets, GreyAndIndexedLayoutsWithTheirColourFormat)
{
    const std::vector<std::uint32_t> pixels = {0x121212, kRed, kOneTwoThree};
    const std::vector<std::uint32_t> palette = {kRed, kOneTwoThree};
    const std::vector<std::uint32_t> values = {1, 0, 1};
    const struct {
        const char* target;
        ColorMode mode;
        const char* colourFormat;
        char nCf, nStride;   // LVGL 9's
        std::vector<int> expected;
    } cases[] = {
        {"adafruit-gfx", ColorMode::Grey8, "drawGrayscaleBitmap", 0, 0, {0x12, 0x7f, 0x02}},
        {"lvgl9", ColorMode::Grey8, "LV_COLOR_FORMAT_L8", 0x06, 3, {0x12, 0x7f, 0x02}},
        {"lvgl9", ColorMode::Index1, "LV_COLOR_FORMAT_I1", 0x07, 1, {0, 0, 0xff, 0xff, 3, 2, 1, 0xff, 0xa0}},
        // The two entries the picture leaves unused are transparent white, as LVGL's converter fills them.
        {"lvgl9", ColorMode::Index2, "LV_COLOR_FORMAT_I2", 0x08, 1,
         {0, 0, 0xff, 0xff, 3, 2, 1, 0xff, 0xff, 0xff, 0xff, 0, 0xff, 0xff, 0xff, 0, 0x44}},
        // LVGL 8's converter leaves them zero.
        {"lvgl8", ColorMode::Index2, "LV_IMG_CF_INDEXED_2BIT", 0, 0,
         {0, 0, 0xff, 0xff, 3, 2, 1, 0xff, 0, 0, 0, 0, 0, 0, 0, 0, 0x44}},
        {"lvgl8", ColorMode::Index1, "rows from the top, 1 byte a row.", 0, 0, {0, 0, 0xff, 0xff, 3, 2, 1, 0xff, 0xa0}},
        {"lvgl8", ColorMode::Index4, "LV_IMG_CF_INDEXED_4BIT", 0, 0,
         {0, 0, 0xff, 0xff, 3, 2, 1, 0xff, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
          0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
          0x10, 0x10}},
    };
    for (const auto& c : cases) {
        const bool bPalette = FindPixelFormat(c.mode)->UsesPalette();
        CapturedPicture picture{3, 1, c.mode, {128, 128, 128}, pixels, {}};
        if (bPalette) {
            picture.values = values;
            picture.palette = palette;
        }
        const std::string source = Written(*FindOutputFormat("bytes", c.target), picture);
        EXPECT_EQ(FirstArray(source), c.expected) << c.target << " " << c.colourFormat;
        EXPECT_NE(source.find(c.colourFormat), std::string::npos) << source;
        if (c.nCf == 0) continue;
        EXPECT_NE(source.find("header.stride = " + std::to_string(c.nStride) + ";"), std::string::npos) << source;
        const std::string bin = Written(*FindOutputFormat("bin", "lvgl9"), picture);
        EXPECT_EQ(bin.substr(0, 10), std::string({0x19, c.nCf, 0, 0, 3, 0, 1, 0, c.nStride, 0})) << c.colourFormat;
    }
}

// LVGL 8's lv_img_header_t: cf in bits 0-4, w from bit 10, h from bit 21.
TEST(DisplayTargets, Lvgl8BinFilesStartWithTheImageHeader)
{
    const struct {
        ColorMode mode;
        std::int32_t nWidth, nHeight;
        std::string header;
    } cases[] = {
        {ColorMode::Rgb565, 3, 1, std::string("\x04\x0c\x20\x00", 4)},
        {ColorMode::Full, 1, 2047, std::string("\x04\x04\xe0\xff", 4)},
        {ColorMode::Argb8888, 2047, 1, std::string("\x05\xfc\x3f\x00", 4)},
        {ColorMode::Rgb565A8, 300, 5, std::string("\x14\xb0\xa4\x00", 4)},
        {ColorMode::A8, 2, 2, std::string("\x0e\x08\x40\x00", 4)},
        {ColorMode::Index1, 1, 1, std::string("\x07\x04\x20\x00", 4)},
        {ColorMode::Index8, 1, 1, std::string("\x0a\x04\x20\x00", 4)},
    };
    for (const auto& c : cases) {
        const std::size_t nPixels = static_cast<std::size_t>(c.nWidth) * static_cast<std::size_t>(c.nHeight);
        const std::vector<std::uint32_t> pixels(nPixels, kRed), values(nPixels, 0), palette = {kRed};
        const std::vector<std::uint8_t> alpha(nPixels, 0x80);
        CapturedPicture picture{c.nWidth, c.nHeight, c.mode, {128, 128, 128}, pixels, {}};
        picture.alpha = alpha;
        picture.values = values;
        picture.palette = palette;
        const std::string bin = Written(*FindOutputFormat("bin", "lvgl8"), picture);
        EXPECT_EQ(bin.substr(0, 4), c.header) << c.nWidth << "x" << c.nHeight;
    }
}

// The pixels of a picture read back from its export.
std::vector<std::uint32_t> Decoded(const std::string& text)
{
    PictureBuffer decoded;
    const ReadError error = ReadExportText(text, decoded);
    EXPECT_FALSE(error.has_value()) << *error;
    return decoded.pixels;
}

TEST(DisplayTargets, EpaperPlanesHoldEachPixelAsItsNearestInk)
{
    constexpr std::uint32_t kYellow = 0x00FFFF, kGrey = 0x808080, kDarkGrey = 0x7F7F7F, kDarkRed = 0x000080;
    constexpr std::uint32_t kOrange = 0x0080FF;
    // 9 x 2: no multiple of 8 wide, so each row has a byte of padding.
    const std::vector<std::uint32_t> pixels = {kBlack, kWhite, kRed, kYellow, kGrey, kDarkGrey, kDarkRed, kOrange, kBlack,
                                               kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kRed};
    struct PanelCase {
        const char* target;
        std::vector<int> black, colour;
        std::vector<std::uint32_t> shown;
    };
    const PanelCase cases[] = {
        // Yellow lies as far from red as from white: white goes first.
        {"epaper", {0x7b, 0x7f, 0xff, 0xff}, {0xdc, 0xff, 0xff, 0x7f},
         {kBlack, kWhite, kRed, kWhite, kWhite, kBlack, kRed, kRed, kBlack,
          kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kRed}},
        // Red lies as far from black as from yellow: black goes first.
        {"epaper-yellow", {0x59, 0x7f, 0xff, 0x7f}, {0xee, 0xff, 0xff, 0xff},
         {kBlack, kWhite, kBlack, kYellow, kWhite, kBlack, kBlack, kYellow, kBlack,
          kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kBlack}},
    };
    for (const PanelCase& c : cases) {
        const CapturedPicture picture{9, 2, ColorMode::Full, {128, 128, 128}, pixels, {}};
        const std::string source = WrittenReduced(*FindOutputFormat("bytes", c.target), picture);
        const std::size_t nSecond = source.find("};") + 2;
        EXPECT_EQ(FirstArray(source), c.black) << c.target;
        EXPECT_EQ(FirstArray(source.substr(nSecond)), c.colour) << c.target;
        EXPECT_EQ(Decoded(source), c.shown) << c.target;

        std::string expected;
        for (int value : c.black) expected += static_cast<char>(value);
        for (int value : c.colour) expected += static_cast<char>(value);
        EXPECT_EQ(WrittenReduced(*FindOutputFormat("bin", c.target), picture), expected) << c.target;
    }
}

TEST(DisplayTargets, EpaperDithersAmongItsInksWhenAsked)
{
    const std::vector<std::uint32_t> grey(16 * 16, 0x808080);
    const CapturedPicture picture{16, 16, ColorMode::Full, {128, 128, 128}, grey, {}};
    ReductionSettings settings;
    settings.dither = DitherMethod::FloydSteinberg;
    const std::string source = WrittenReduced(*FindOutputFormat("bytes", "epaper"), picture, settings);
    const std::vector<std::uint32_t> pixels = Decoded(source);
    const auto nBlack = std::count(pixels.begin(), pixels.end(), kBlack);
    const auto nWhite = std::count(pixels.begin(), pixels.end(), kWhite);
    // Half-way grey comes out about half black, half white, and nothing red.
    EXPECT_EQ(nBlack + nWhite, 256);
    EXPECT_NEAR(nBlack, 128, 16);
}

TEST(DisplayTargets, PicturesLargerThanAnLvglHeaderHoldsAreRefused)
{
    struct SizeCase {
        const char* target;
        ColorMode mode;
        std::int32_t nWidth, nHeight;
        bool bRefused;
    };
    const SizeCase cases[] = {
        {"lvgl8", ColorMode::Rgb565, 2047, 2047, false}, {"lvgl8", ColorMode::Rgb565, 2048, 1, true},
        {"lvgl8", ColorMode::Full, 1, 2048, true},       {"lvgl9", ColorMode::Rgb565, 32767, 1, false},
        {"lvgl9", ColorMode::Rgb565, 32768, 1, true},    {"lvgl9", ColorMode::Full, 21846, 1, true},
        {"lvgl9", ColorMode::Full, 1, 65536, true},      {"lvgl9-xrgb8888", ColorMode::Full, 16383, 1, false},
        {"lvgl9-xrgb8888", ColorMode::Full, 16384, 1, true}, {"u8g2", ColorMode::Mono, 70000, 1, false},
    };
    for (const SizeCase& c : cases) {
        const CapturedPicture picture{c.nWidth, c.nHeight, c.mode, {128, 128, 128}, {}, {}};
        for (const char* format : {"bytes", "bin"}) {
            const std::optional<std::string> refusal = RefusalFor(*FindOutputFormat(format, c.target), picture);
            EXPECT_EQ(refusal.has_value(), c.bRefused) << c.target << " -f " << format << " " << c.nWidth << "x" << c.nHeight;
            const char* library = std::string_view(c.target) == "lvgl8" ? "LVGL 8 image" : "LVGL 9 image";
            if (refusal) {
                EXPECT_NE(refusal->find(library), std::string::npos) << *refusal;
            }
        }
    }
}

} // namespace
