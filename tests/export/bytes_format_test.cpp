// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_ptr.h"
#include "export/bytes_writer.h"
#include "export/export_name.h"
#include "testkit/doc_builder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace testing_support;

namespace {

constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;

std::uint32_t Pack(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return b << 16 | g << 8 | r;
}

// The values between "= {" and "};" of a bytes-format text.
std::vector<int> ArrayValues(const std::string& text)
{
    std::vector<int> values;
    const std::size_t nEnd = text.find("};");
    for (std::size_t n = text.find("0x", text.find("= {")); n < nEnd; n = text.find("0x", n + 4))
        values.push_back(std::stoi(text.substr(n + 2, 2), nullptr, 16));
    return values;
}

struct LayoutCase {
    const char* name;
    ColorMode mode;
    int nWidth, nHeight;
    const char* pixels;   // B, W or a letter of the colour list below, rows from the top
    LayoutOptions options;
    std::vector<int> expected;
};

std::uint32_t PixelOf(char c)
{
    switch (c) {
    case 'B': return kBlack;
    case 'W': return kWhite;
    case 'a': return Pack(0x12, 0x34, 0x56);
    case 'b': return Pack(0xab, 0xcd, 0xef);
    case 'r': return Pack(255, 0, 0);
    default: return Pack(0, 0, 255);
    }
}

LayoutOptions With(void (*set)(LayoutOptions&))
{
    LayoutOptions options;
    set(options);
    return options;
}

TEST(BytesFormat, EachModeAndOptionLaysOutItsBytes)
{
    const char* const kRowsExample = "BWBWBWBWBB"
                                     "WWWWWWWWWW";
    // Column 0 all black, column 1 black in the top row, column 2 in the bottom row.
    const char* const kPagesExample = "BBW" "BWW" "BWW" "BWW" "BWW" "BWW" "BWW" "BWW" "BWW" "BWB";
    const LayoutCase cases[] = {
        {"24 rgb", ColorMode::Full, 2, 1, "ab", {}, {0x12, 0x34, 0x56, 0xab, 0xcd, 0xef}},
        {"24 bgr", ColorMode::Full, 2, 1, "ab", With([](LayoutOptions& o) { o.rgbOrder = RgbOrder::Bgr; }),
         {0x56, 0x34, 0x12, 0xef, 0xcd, 0xab}},
        {"16 little", ColorMode::Rgb565, 2, 1, "rx", {}, {0x00, 0xf8, 0x1f, 0x00}},
        {"16 big", ColorMode::Rgb565, 2, 1, "rx", With([](LayoutOptions& o) { o.byteOrder = ByteOrder::Big; }),
         {0xf8, 0x00, 0x00, 0x1f}},
        {"15 little", ColorMode::Rgb555, 1, 1, "r", {}, {0x00, 0x7c}},
        {"15 big", ColorMode::Rgb555, 1, 1, "r", With([](LayoutOptions& o) { o.byteOrder = ByteOrder::Big; }),
         {0x7c, 0x00}},
        {"8", ColorMode::Colors256, 2, 1, "rW", {}, {0xe0, 0xff}},
        {"6", ColorMode::Colors64, 2, 1, "rx", {}, {0x30, 0x03}},
        {"1 rows msb", ColorMode::Mono, 10, 2, kRowsExample, {}, {0xaa, 0xc0, 0x00, 0x00}},
        {"1 rows lsb", ColorMode::Mono, 10, 2, kRowsExample, With([](LayoutOptions& o) { o.bitOrder = BitOrder::Lsb; }),
         {0x55, 0x03, 0x00, 0x00}},
        {"1 rows inverted", ColorMode::Mono, 10, 2, kRowsExample, With([](LayoutOptions& o) { o.bInvert = true; }),
         {0x55, 0x00, 0xff, 0xc0}},
        {"1 pages lsb", ColorMode::Mono, 3, 10, kPagesExample,
         With([](LayoutOptions& o) { o.packing = MonoPacking::Pages; }), {0xff, 0x01, 0x00, 0x03, 0x00, 0x02}},
        {"1 pages msb", ColorMode::Mono, 3, 10, kPagesExample, With([](LayoutOptions& o) {
             o.packing = MonoPacking::Pages;
             o.bitOrder = BitOrder::Msb;
         }),
         {0xff, 0x80, 0x00, 0xc0, 0x00, 0x40}},
        {"1 pages inverted", ColorMode::Mono, 3, 10, kPagesExample, With([](LayoutOptions& o) {
             o.packing = MonoPacking::Pages;
             o.bInvert = true;
         }),
         {0x00, 0xfe, 0xff, 0x00, 0x03, 0x01}},
        {"1 pages, one whole page", ColorMode::Mono, 2, 8, "BW" "WW" "WW" "WW" "WW" "WW" "WW" "WB",
         With([](LayoutOptions& o) { o.packing = MonoPacking::Pages; }), {0x01, 0x80}},
    };
    for (const LayoutCase& c : cases) {
        const auto doc = MakeDocument(c.nWidth, c.nHeight, c.mode, [&](int i) { return PixelOf(c.pixels[i]); });
        const std::string text = ExportText(*doc, ExportFormat::Bytes, "img", c.options);
        EXPECT_EQ(ArrayValues(text), c.expected) << c.name;
        EXPECT_NE(text.find("img[" + std::to_string(c.expected.size()) + "]"), std::string::npos) << c.name;
    }
}

TEST(BytesFormat, SourceAndHeaderTextsInFull)
{
    const auto doc = MakeDocument(17, 1, ColorMode::Colors256, [](int i) { return Pack(i * 15 & 0xE0, 0, 0); });
    LayoutOptions options;
    options.bStatic = true;
    options.strAttribute = "PROGMEM";
    EXPECT_EQ(ExportText(*doc, ExportFormat::Bytes, "9 lives", options),
              "/* 17x1 pixels, tovix-export -f bytes -m 8 */\n"
              "#include <stdint.h>\n"
              "#ifdef __AVR__\n#include <avr/pgmspace.h>\n#endif\n#ifndef PROGMEM\n#define PROGMEM\n#endif\n\n"
              "#define _9_lives_WIDTH 17\n"
              "#define _9_lives_HEIGHT 1\n\n"
              "static const uint8_t _9_lives[17] PROGMEM = {\n"
              "0x00,0x00,0x00,0x20,0x20,0x40,0x40,0x60,0x60,0x80,0x80,0xa0,0xa0,0xc0,0xc0,0xe0,\n"
              "0xe0\n"
              "};\n");

    options.bStatic = false;
    options.strHeaderInclude = "inc/logo.h";
    EXPECT_TRUE(ExportText(*doc, ExportFormat::Bytes, "logo", options)
                    .starts_with("/* 17x1 pixels, tovix-export -f bytes -m 8 */\n"
                                 "#include \"inc/logo.h\"\n\n"
                                 "const uint8_t logo[17] PROGMEM = {\n"));

    char* buffer = nullptr;
    std::size_t nSize = 0;
    FilePtr file(open_memstream(&buffer, &nSize));
    ASSERT_TRUE(WriteHeaderFile(file.get(), FindOutputFormat(ExportFormat::Bytes), "inc/logo-1.h", {doc->Captured(), "logo", options}));
    file.reset();
    EXPECT_EQ(std::string(buffer, nSize), "/* 17x1 pixels, tovix-export -f bytes -m 8 */\n"
                                          "#ifndef LOGO_1_H\n#define LOGO_1_H\n\n"
                                          "#include <stdint.h>\n"
                                          "#ifdef __AVR__\n#include <avr/pgmspace.h>\n#endif\n"
                                          "#ifndef PROGMEM\n#define PROGMEM\n#endif\n\n"
                                          "#define logo_WIDTH 17\n"
                                          "#define logo_HEIGHT 1\n\n"
                                          "#ifdef __cplusplus\nextern \"C\" {\n#endif\n"
                                          "extern const uint8_t logo[17] PROGMEM;\n"
                                          "#ifdef __cplusplus\n}\n#endif\n\n"
                                          "#endif\n");
    std::free(buffer);
}

TEST(BytesFormat, FirstLineSpellsOutTheLayoutOfTheMode)
{
    LayoutOptions options;
    options.packing = MonoPacking::Pages;
    options.bInvert = true;
    const std::pair<ColorMode, const char*> cases[] = {
        {ColorMode::Mono, "-m 1 --pack pages --bit-order lsb --invert"}, {ColorMode::Colors64, "-m 6"},
        {ColorMode::Rgb555, "-m 15 --byte-order little"}, {ColorMode::Rgb565, "-m 16 --byte-order little"},
        {ColorMode::Full, "-m 24 --rgb-order rgb"}};
    for (const auto& [mode, text] : cases) EXPECT_EQ(DescribeLayout(mode, options), text);
}

TEST(BytesFormat, NamesBecomeCIdentifiers)
{
    const std::pair<const char*, const char*> cases[] = {
        {"logo", "logo"}, {"9lives", "_9lives"}, {"", "image"}, {"my pic-1", "my_pic_1"}, {"ｶﾅ", "______"}};
    for (const auto& [name, identifier] : cases) EXPECT_EQ(MakeCIdentifier(name), identifier) << name;
}

} // namespace
