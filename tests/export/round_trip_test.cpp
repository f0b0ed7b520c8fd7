// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pixel_encoder.h"
#include "export/export_format.h"
#include "testkit/doc_builder.h"

#include <gtest/gtest.h>

#include <random>

using namespace testing_support;

namespace {

constexpr ColorMode kModes[] = {ColorMode::Mono,   ColorMode::Colors64, ColorMode::Colors256,
                                ColorMode::Rgb555, ColorMode::Rgb565,   ColorMode::Full};

struct Output {
    ExportFormat format;
    LayoutOptions options;
};

// Every format, and in the bytes format every layout option set of the mode.
std::vector<Output> OutputsOf(ColorMode mode)
{
    std::vector<Output> outputs = {{ExportFormat::Format1, {}}, {ExportFormat::Format2, {}}, {ExportFormat::Bytes, {}}};
    LayoutOptions options;
    switch (mode) {
    case ColorMode::Mono:
        for (MonoPacking packing : {MonoPacking::Rows, MonoPacking::Pages}) {
            for (BitOrder order : {BitOrder::Msb, BitOrder::Lsb}) {
                for (bool bInvert : {false, true}) {
                    options.packing = packing;
                    options.bitOrder = order;
                    options.bInvert = bInvert;
                    outputs.push_back({ExportFormat::Bytes, options});
                }
            }
        }
        break;
    case ColorMode::Rgb555:
    case ColorMode::Rgb565:
        options.byteOrder = ByteOrder::Big;
        outputs.push_back({ExportFormat::Bytes, options});
        break;
    case ColorMode::Full:
        options.rgbOrder = RgbOrder::Bgr;
        outputs.push_back({ExportFormat::Bytes, options});
        break;
    default: break;
    }
    return outputs;
}

TEST(RoundTrip, DecodedPicturesConvertBackToTheSameBytes)
{
    std::mt19937 random(15);
    for (int nPicture = 0; nPicture < 12; ++nPicture) {
        // Widths past 256 reach FORMAT_1's long size prefix.
        const int nWidth = 1 + static_cast<int>(random() % (nPicture % 4 == 0 ? 300 : 40));
        // Heights either side of whole pages of 8 rows.
        constexpr int kHeights[] = {1, 7, 8, 9, 16, 17};
        const int nHeight = kHeights[nPicture % 6];
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(nWidth * nHeight));
        for (std::uint32_t& pixel : pixels) pixel = random() & 0xFFFFFF;
        for (ColorMode mode : kModes) {
            auto doc = MakeDocument(nWidth, nHeight, mode, [&](int i) { return pixels[static_cast<std::size_t>(i)]; });
            doc->m_nThresholdR = static_cast<int>(random() % 256);
            doc->m_nThresholdG = static_cast<int>(random() % 256);
            doc->m_nThresholdB = static_cast<int>(random() % 256);
            for (const Output& output : OutputsOf(mode)) {
                const std::string text = ExportText(*doc, output.format, "sample", output.options);
                PictureBuffer decoded;
                const ReadError error = ReadExportText(text, decoded);
                const std::string what = std::to_string(nWidth) + "x" + std::to_string(nHeight) + " mode " +
                                         std::to_string(static_cast<int>(mode)) + " format " +
                                         std::to_string(static_cast<int>(output.format)) + " " +
                                         DescribeLayout(mode, output.options);
                ASSERT_FALSE(error) << what << ": " << *error;
                EXPECT_EQ(decoded.mode, mode) << what;
                EXPECT_EQ(ExportText(decoded.View(), output.format, "sample", output.options), text) << what;
            }
        }
    }
}

// The decoded colours are those the view shows, but for 64 colours, whose
// levels come back evenly spaced.
TEST(RoundTrip, DecodedColoursAreTheViewsColours)
{
    std::mt19937 random(6);
    for (ColorMode mode : kModes) {
        auto doc = MakeDocument(64, 4, mode, [&](int) { return random() & 0xFFFFFF; });
        doc->m_image.ReduceColors(mode, {128, 128, 128});
        const PixelEncoder encoder = doc->Captured().MakeEncoder();
        for (int i = 0; i < 64 * 4; ++i) {
            const std::uint8_t* shown = doc->m_image.m_pDispBits + (3 - i / 64) * doc->m_image.GetStride() + 3 * (i % 64);
            std::uint32_t expected = static_cast<std::uint32_t>(shown[0] << 16 | shown[1] << 8 | shown[2]);
            if (mode == ColorMode::Colors64) {
                const auto even = [](std::uint32_t v) { return v == 63 ? 85u : v == 127 ? 170u : v; };
                expected = even(shown[0]) << 16 | even(shown[1]) << 8 | even(shown[2]);
            }
            EXPECT_EQ(DecodedPixel(mode, encoder.Encode(doc->PixelArray[i])), expected) << static_cast<int>(mode);
        }
    }
}

TEST(RoundTrip, BrokenExportsAreRefusedNamingTheLine)
{
    const std::string kFormat1 = "/*************************************************\r\n"
                                 " TOVIX Output File\r\n"
                                 " \xb6\xd7\xb0\xd3\xb0\xc4\xde" "8 bit\r\n"
                                 " \xbb\xb2\xbd\xde   3 \x81\x7e 2 dot\r\n"
                                 "*************************************************/\r\n";
    const std::pair<std::string, const char*> cases[] = {
        {"", "line 1: the file is empty"},
        {"hello\n", "line 1: not an export"},
        {"TOVIX_256,3,2,\n00,e0,1c,\n03,ff\n", "line 3: the file ends after 5 of 6 values"},
        {"TOVIX_256,3,2,\n00,e0,1c,\n03,ff,92,11\n", "line 3: more values than the 6"},
        {"TOVIX_256,3,2,\n00,zz,1c,\n03,ff,92\n", "line 2: "},
        {"TOVIX_64,1,1,\n40\n", "line 2: value 40 is out of the colour mode's range"},
        {"TOVIX_256,3,2,\n00,e0,1c,\n03,ff,92\nmore\n", "line 4: text after the end"},
        {"TOVIX_256,4096,4096,\n", "line 1: 4096 x 4096 pixels are more"},
        {"TOVIX_256,0,5,\n", "line 1: the picture has no pixels"},
        {kFormat1 + "unsigned char s[8] = {3,2,/* W,H */\r\n0x00,0xe0,0x1c,\r\n0x03,0xff,0x92\r\n};\r\n", nullptr},
        {kFormat1 + "unsigned char s[9] = {3,2,/* W,H */\r\n0x00,0xe0,0x1c,\r\n0x03,0xff,0x92\r\n};\r\n",
         "line 6: the declared element count"},
        {kFormat1 + "unsigned char s[8] = {3,1,/* W,H */\r\n", "line 6: the size at the start"},
        {kFormat1 + "unsigned char s[8] = {3,2,/* W,H */\r\n0x00,0xe0,0x1c,\r\n0x03,0xff,0x92\r\n", "line 8: \"};\""},
        {kFormat1 + "unsigned char s[8] = {3,2,/* W,H */\r\n0x00,0xe0,\r\n};\r\n", "line 8: the array ends after 2"},
        {"/* 2x1 pixels, tovix-export -f bytes -m 16 --pack rows */\n", "line 1: --pack does not apply"},
        {"/* 2x1 pixels, tovix-export -f bytes -m 7 */\n", "line 1: unknown colour mode '7'"},
        {"/* 2x1 pixels, tovix-export -f bytes -m 8 */\n#include <stdint.h>\n", "line 2: the file ends before the array"},
        {"/* 2x1 pixels, tovix-export -f bytes -m 8 */\nconst uint8_t a[3] = {\n0x01,0x02\n};\n",
         "line 2: the array's 3 bytes differ from the 2"},
        {"/* 2x1 pixels, tovix-export -f bytes -m 8 */\nconst uint8_t a[2] = {\n0x01,0x02\n};\n", nullptr},
    };
    for (const auto& [text, error] : cases) {
        PictureBuffer picture;
        const ReadError result = ReadExportText(text, picture);
        if (error == nullptr) {
            EXPECT_FALSE(result) << text << *result;
            continue;
        }
        ASSERT_TRUE(result) << text;
        EXPECT_NE(result->find(error), std::string::npos) << text << "\n" << *result;
    }
}

} // namespace
