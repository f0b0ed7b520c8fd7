// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pixel_encoder.h"
#include "core/tovix_doc.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::uint32_t Pack(int r, int g, int b)
{
    return static_cast<std::uint32_t>(b << 16 | g << 8 | r);
}

struct EncodeRow {
    const char* name;
    int r, g, b;
    std::uint32_t mono, c64, c256, rgb555, rgb565, full;
};

void PrintTo(const EncodeRow& row, std::ostream* os)
{
    *os << row.name;
}

class EncodeTableTest : public testing::TestWithParam<EncodeRow> {};

TEST_P(EncodeTableTest, DefaultThresholdsGiveTheDocumentedValues)
{
    const EncodeRow& row = GetParam();
    const std::pair<ColorMode, std::uint32_t> expected[] = {
        {ColorMode::Mono, row.mono},     {ColorMode::Colors64, row.c64}, {ColorMode::Colors256, row.c256},
        {ColorMode::Rgb555, row.rgb555}, {ColorMode::Rgb565, row.rgb565}, {ColorMode::Full, row.full},
    };
    for (const auto& [mode, value] : expected) {
        EXPECT_EQ(PixelEncoder(mode, {128, 128, 128}).Encode(Pack(row.r, row.g, row.b)), value)
            << "mode " << static_cast<int>(mode);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Colours, EncodeTableTest,
    testing::Values(EncodeRow{"red", 255, 0, 0, 0xFFFFFF, 0x30, 0xE0, 0x7C00, 0xF800, 0xFF0000},
                    EncodeRow{"green", 0, 255, 0, 0xFFFFFF, 0x0C, 0x1C, 0x3E0, 0x7E0, 0xFF00},
                    EncodeRow{"blue", 0, 0, 255, 0xFFFFFF, 0x03, 0x03, 0x1F, 0x1F, 0xFF},
                    EncodeRow{"white", 255, 255, 255, 0xFFFFFF, 0x3F, 0xFF, 0x7FFF, 0xFFFF, 0xFFFFFF},
                    EncodeRow{"black", 0, 0, 0, 0, 0, 0, 0, 0, 0},
                    EncodeRow{"grey", 100, 100, 100, 0, 0x15, 0x6D, 0x318C, 0x632C, 0x646464}),
    [](const testing::TestParamInfo<EncodeRow>& info) { return std::string(info.param.name); });

TEST(PixelEncoder, MixedThresholdsCompareEachChannelWithItsOwn)
{
    const PixelEncoder encoder(ColorMode::Mono, {200, 128, 50});
    EXPECT_EQ(encoder.Encode(Pack(150, 0, 30)), 0u);
    EXPECT_EQ(encoder.Encode(Pack(30, 0, 150)), 0xFFFFFFu);
}

TEST(PixelEncoder, ValuesStayWithinTheirModesRangeAndOnlyThresholdModesFollowThresholds)
{
    const std::pair<ColorMode, std::uint32_t> limits[] = {
        {ColorMode::Colors64, 0x3F}, {ColorMode::Colors256, 0xFF}, {ColorMode::Rgb555, 0x7FFF},
        {ColorMode::Rgb565, 0xFFFF}, {ColorMode::Full, 0xFFFFFF},
    };
    for (const auto& [mode, limit] : limits) {
        const PixelEncoder byDefault(mode, {128, 128, 128});
        const PixelEncoder shifted(mode, {10, 200, 77});
        for (std::uint32_t v = 0; v < 0x1000000; v += 0x10203) {
            EXPECT_LE(byDefault.Encode(v), limit);
            if (mode != ColorMode::Colors64) {
                EXPECT_EQ(byDefault.Encode(v), shifted.Encode(v));
            }
        }
    }
}

TEST(PixelEncoder, ExtremeThresholdsRuleOutSomeLevels)
{
    const PixelEncoder zero(ColorMode::Colors64, {0, 0, 0});
    const PixelEncoder full(ColorMode::Colors64, {255, 255, 255});
    const PixelEncoder monoZero(ColorMode::Mono, {0, 128, 128});
    for (int v = 0; v < 256; ++v) {
        EXPECT_GE(zero.Encode(Pack(v, v, v)) & 3, 2u) << v;
        EXPECT_NE(full.Encode(Pack(v, v, v)) & 3, 2u) << v;
        EXPECT_EQ(monoZero.Encode(Pack(v, 0, 0)), 0xFFFFFFu) << v;
    }
}

TEST(PixelEncoder, ThresholdsFromAFileDoNotOverflow)
{
    const PixelEncoder huge(ColorMode::Colors64, {INT32_MAX, INT32_MIN, 1000});
    EXPECT_EQ(huge.Encode(Pack(255, 0, 255)), 0u * 16 + 3u * 4 + 0u);
}

TEST(PixelEncoder, DocumentEncodesItsStoreWithItsCurrentSettings)
{
    auto doc = std::make_unique<CTOVIXDoc>();
    doc->PixelArray[0] = Pack(100, 100, 100);
    doc->m_nColorMode = ColorMode::Rgb565;
    EXPECT_EQ(doc->EncodePixel(0), 0x632Cu);
    doc->m_nColorMode = ColorMode::Mono;
    doc->m_nThresholdR = 100;
    EXPECT_EQ(doc->EncodePixel(0), 0xFFFFFFu);
}

} // namespace
