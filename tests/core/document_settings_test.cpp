// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/export_settings.h"
#include "core/document_file.h"
#include "core/pixel_format.h"
#include "core/settings_block.h"
#include "core/tovix_doc.h"
#include "testkit/bmp_builder.h"
#include "testkit/doc_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace testing_support;

namespace {

constexpr int kWidth = 3, kHeight = 2;
constexpr std::size_t kPixelsEnd = 26 + 4 * kWidth * kHeight;

// Every setting beyond the six modes, each one alone, then all together.
std::vector<std::pair<const char*, ExportSettings>> EverySetting()
{
    std::vector<std::pair<const char*, ExportSettings>> cases(19);
    cases[0] = {"pixel format", {}};
    cases[0].second.mode = ColorMode::Grey4;
    cases[1].first = "dither";
    cases[1].second.reduction.dither = DitherMethod::Atkinson;
    cases[2].first = "round";
    cases[2].second.reduction.bRound = true;
    cases[3].first = "mono rule";
    cases[3].second.reduction.monoRule = ReductionSettings::MonoRule::Luminance;
    cases[4].first = "luminance threshold";
    cases[4].second.reduction.nLuminanceThreshold = 0;
    cases[5].first = "palette";
    cases[5].second.reduction.palette = {{0, 0, 0}, {255, 255, 255}, {200, 10, 30}};
    cases[6].first = "target";
    cases[6].second.target = "u8g2";
    cases[6].second.format = ExportFormat::Bytes;
    cases[7].first = "pack";
    cases[7].second.layout.packing = MonoPacking::Pages;
    cases[8].first = "bit order";
    cases[8].second.layout.bitOrder = BitOrder::Lsb;
    cases[9].first = "byte order";
    cases[9].second.layout.byteOrder = ByteOrder::Big;
    cases[10].first = "array name and header";
    cases[10].second.name = "logo";
    cases[10].second.bHeader = true;
    cases[11].first = "raw output and trim";
    cases[11].second.format = ExportFormat::Bin;
    cases[11].second.geometry.bTrim = true;
    cases[12].first = "rotation, both flips and a resize";
    cases[12].second.geometry = {false, {255, 255, 255}, Rotation::Clockwise270, true, true, 4096, 7, ResizeFit::Fill,
                                 ResizeFilter::Nearest};
    cases[13].first = "palette format";
    cases[13].second.layout.paletteFormat = PaletteFormat::Rgb565;
    cases[14].first = "rgb order and invert";
    cases[14].second.layout.rgbOrder = RgbOrder::Bgr;
    cases[14].second.layout.bInvert = true;
    cases[15].first = "the channel rule, chosen";
    cases[15].second.reduction.monoRule = ReductionSettings::MonoRule::Channels;
    cases[16].first = "the bytes of no target";
    cases[16].second.format = ExportFormat::Bytes;
    cases[17].first = "the comma list";
    cases[17].second.format = ExportFormat::Format2;
    cases[18].first = "all";
    ExportSettings& all = cases[18].second;
    all.mode = ColorMode::Grey4;
    all.reduction = {DitherMethod::Ordered, true, ReductionSettings::MonoRule::Luminance, 70, cases[5].second.reduction.palette};
    all.format = ExportFormat::Bin;
    all.target = "u8g2";
    all.layout = EveryKeptLayoutOption();
    all.name = "logo";
    all.bHeader = true;
    all.geometry = cases[12].second.geometry;
    all.geometry.bTrim = true;
    return cases;
}

class DocumentSettingsTest : public testing::Test {
protected:
    std::unique_ptr<CTOVIXDoc> NewDocument()
    {
        auto doc = std::make_unique<CTOVIXDoc>();
        doc->m_nWidth = kWidth;
        doc->m_nHeight = kHeight;
        for (int i = 0; i < kWidth * kHeight; ++i) doc->PixelArray[i] = 0x102030u * static_cast<std::uint32_t>(i + 1);
        EXPECT_TRUE(doc->CopyPixelsToBitmap());
        doc->m_bLoaded = 1;
        doc->SetColorMode(ColorMode::Colors256);
        doc->SetThresholds({10, 20, 30});
        doc->m_nViewZoom = 300;
        doc->m_nPrintZoom = 50;
        return doc;
    }

    std::vector<std::uint8_t> Saved(CTOVIXDoc& doc)
    {
        EXPECT_TRUE(WriteDocumentFile(doc, dir.File("doc.tvx"), dialogs));
        return ReadFile(dir.File("doc.tvx"));
    }

    std::unique_ptr<CTOVIXDoc> Opened(const std::vector<std::uint8_t>& bytes)
    {
        WriteFile(dir.File("in.tvx"), bytes);
        auto doc = std::make_unique<CTOVIXDoc>();
        EXPECT_TRUE(ReadDocumentFile(*doc, dir.File("in.tvx"), dialogs));
        return doc;
    }

    TempDir dir;
    RecordingDialogs dialogs;
};

TEST_F(DocumentSettingsTest, EverySettingComesBackFromAVersion301FileThatReadersOfTheSixModesReadAlike)
{
    for (const auto& [name, settings] : EverySetting()) {
        auto doc = NewDocument();
        doc->SetExportSettings(settings);
        // A format beyond the six sets the colour mode to the nearest of them.
        auto plain = NewDocument();
        plain->SetColorMode(doc->m_nColorMode);
        const std::vector<std::uint8_t> version300 = Saved(*plain);
        ASSERT_EQ(version300.size(), kPixelsEnd + 8);
        const std::vector<std::uint8_t> bytes = Saved(*doc);
        EXPECT_EQ(bytes[0] | bytes[1] << 8, 301) << name;
        // Up to the magnifications the file is the version-300 one: a reader
        // of the six modes sees the same picture, mode and thresholds.
        EXPECT_TRUE(std::equal(bytes.begin() + 4, bytes.begin() + kPixelsEnd + 8, version300.begin() + 4)) << name;

        auto opened = Opened(bytes);
        EXPECT_EQ(opened->ExportSettings(), settings) << name;
        EXPECT_EQ(opened->m_nVersion, 300) << name;
        EXPECT_EQ(opened->m_nColorMode, doc->m_nColorMode) << name;
        EXPECT_EQ(opened->m_nViewZoom, 300) << name;
        EXPECT_EQ(opened->m_nPrintZoom, 50) << name;
        EXPECT_EQ(opened->PixelArray[5], doc->PixelArray[5]) << name;
        EXPECT_EQ(Saved(*opened), bytes) << name << ": saved again unchanged";

        opened->SetExportSettings({});
        EXPECT_EQ(Saved(*opened), version300) << name << ": back to the defaults, back to version 300";
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DocumentSettingsTest, ARestThatIsNotOneWellFormedBlockOpensAsTheSixModesOpenIt)
{
    auto doc = NewDocument();
    doc->SetExportSettings(EverySetting().back().second);
    const std::vector<std::uint8_t> whole = Saved(*doc);
    const std::size_t nBlock = kPixelsEnd + 8;
    auto changed = [&whole](std::size_t nAt, std::uint8_t value) {
        std::vector<std::uint8_t> bytes = whole;
        bytes.at(nAt) = value;
        return bytes;
    };
    auto withTail = [&whole, nBlock](std::vector<std::uint8_t> tail) {
        std::vector<std::uint8_t> bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(nBlock));
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        return bytes;
    };
    std::vector<std::uint8_t> trailing = whole;
    trailing.push_back(0);
    const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
        {"nothing after the pixels", std::vector<std::uint8_t>(whole.begin(), whole.begin() + kPixelsEnd)},
        {"magnifications alone", withTail({})},
        {"cut inside the block", std::vector<std::uint8_t>(whole.begin(), whole.end() - 1)},
        {"a byte after the block", trailing},
        {"length one short", changed(nBlock, static_cast<std::uint8_t>(whole[nBlock] - 1))},
        {"entry longer than the block", changed(nBlock + 4 + 2, 200)},
        {"dither out of range", withTail({7, 0, 0, 0, 2, 0, 1, 0, 0, 0, 4})},
        {"round neither off nor on", withTail({7, 0, 0, 0, 3, 0, 1, 0, 0, 0, 2})},
        {"known tag twice", withTail({14, 0, 0, 0, 3, 0, 1, 0, 0, 0, 1, 3, 0, 1, 0, 0, 0, 1})},
        {"palette of a colour and a half", withTail({11, 0, 0, 0, 6, 0, 5, 0, 0, 0, 1, 2, 3, 4, 5})},
        {"empty name", withTail({6, 0, 0, 0, 1, 0, 0, 0, 0, 0})},
        {"rotation out of range", withTail({7, 0, 0, 0, 16, 0, 1, 0, 0, 0, 3})},
        {"flip of neither axis", withTail({7, 0, 0, 0, 17, 0, 1, 0, 0, 0, 0})},
        {"invert neither off nor on", withTail({7, 0, 0, 0, 20, 0, 1, 0, 0, 0, 0})},
        {"channel rule neither off nor on", withTail({7, 0, 0, 0, 21, 0, 1, 0, 0, 0, 0})},
        {"both two-colour rules", withTail({14, 0, 0, 0, 4, 0, 1, 0, 0, 0, 1, 21, 0, 1, 0, 0, 0, 1})},
        {"resize to no width", withTail({12, 0, 0, 0, 18, 0, 6, 0, 0, 0, 0, 0, 7, 0, 0, 0})},
        {"resize past the largest side", withTail({12, 0, 0, 0, 18, 0, 6, 0, 0, 0, 1, 16, 7, 0, 0, 0})},
        {"resize of five bytes", withTail({11, 0, 0, 0, 18, 0, 5, 0, 0, 0, 8, 0, 7, 0, 0})},
        {"resize to no height", withTail({12, 0, 0, 0, 18, 0, 6, 0, 0, 0, 8, 0, 0, 0, 0, 0})},
        {"resize past the tallest side", withTail({12, 0, 0, 0, 18, 0, 6, 0, 0, 0, 8, 0, 1, 16, 0, 0})},
        {"an entry's head cut short", withTail({8, 0, 0, 0, 3, 0, 1, 0, 0, 0, 1, 99})},
    };
    for (const auto& [name, bytes] : cases) {
        auto opened = Opened(bytes);
        EXPECT_EQ(opened->ExportSettings(), ExportSettings()) << name;
        EXPECT_EQ(opened->m_nViewZoom, 100) << name;
        EXPECT_EQ(opened->m_nPrintZoom, 100) << name;
        EXPECT_EQ(opened->m_nColorMode, doc->m_nColorMode) << name;
        EXPECT_EQ(opened->m_nThresholdB, 30) << name;
        EXPECT_EQ(opened->PixelArray[5], doc->PixelArray[5]) << name;
    }
    EXPECT_TRUE(dialogs.messages.empty());

    // Tags of a later version are skipped, and what this one knows is kept.
    auto later = Opened(withTail({15, 0, 0, 0, 99, 0, 2, 0, 0, 0, 1, 2, 3, 0, 1, 0, 0, 0, 1}));
    EXPECT_TRUE(later->ExportSettings().reduction.bRound);
    EXPECT_EQ(later->m_nViewZoom, 300);
    // An empty value of a later tag may end the block.
    EXPECT_TRUE(Opened(withTail({13, 0, 0, 0, 3, 0, 1, 0, 0, 0, 1, 99, 0, 0, 0, 0, 0}))->ExportSettings().reduction.bRound);
    // So are a later version's words: a pixel format, a layout, a format.
    for (const char* word : {"\x01\x00" "grey9", "\x08\x00" "spiral", "\x0d\x00" "png"}) {
        std::vector<std::uint8_t> entry(word, word + 2 + std::strlen(word + 2));
        entry.insert(entry.begin() + 2, {static_cast<std::uint8_t>(entry.size() - 2), 0, 0, 0});
        std::vector<std::uint8_t> tail = {static_cast<std::uint8_t>(entry.size()), 0, 0, 0};
        tail.insert(tail.end(), entry.begin(), entry.end());
        auto future = Opened(withTail(tail));
        EXPECT_EQ(future->ExportSettings(), ExportSettings()) << word + 2;
        EXPECT_EQ(future->DeviceMode(), doc->m_nColorMode) << word + 2;
    }
}

TEST_F(DocumentSettingsTest, AFormatBeyondTheSixStandsAsTheNearestOfThem)
{
    const std::pair<const char*, ColorMode> rows[] = {
        {"grey1", ColorMode::Mono},     {"index1", ColorMode::Mono},     {"grey2", ColorMode::Colors64},
        {"index2", ColorMode::Colors64}, {"grey4", ColorMode::Colors64}, {"index4", ColorMode::Colors64},
        {"grey8", ColorMode::Colors256}, {"index8", ColorMode::Colors256},
    };
    for (const auto& [name, mode] : rows) {
        ASSERT_NE(FindPixelFormat(name), nullptr) << name;
        EXPECT_EQ(NearestDocumentMode(*FindPixelFormat(name)), mode) << name;
    }
    // Wider formats by their bits, as later rows will bring them.
    const auto row = [](int nBits) { return PixelFormat{static_cast<ColorMode>(200), "x", ChannelRule::HighBits, {}, nBits, 0, true}; };
    const std::pair<int, ColorMode> widths[] = {
        {6, ColorMode::Colors64}, {7, ColorMode::Colors256}, {15, ColorMode::Rgb555}, {16, ColorMode::Rgb565}, {32, ColorMode::Full},
    };
    for (const auto& [nBits, mode] : widths) EXPECT_EQ(NearestDocumentMode(row(nBits)), mode) << nBits << " bits";
    for (const PixelFormat& format : PixelFormats()) {
        if (!format.bNamedOnly) {
            EXPECT_EQ(NearestDocumentMode(format), format.mode) << format.pszName;
        }
    }

    // A format of the six named in the settings is the colour mode, and the
    // file stays version 300.
    auto doc = NewDocument();
    ExportSettings settings;
    settings.mode = ColorMode::Mono;
    doc->SetExportSettings(settings);
    EXPECT_EQ(doc->m_nColorMode, ColorMode::Mono);
    EXPECT_EQ(doc->ExportSettings(), ExportSettings());
    EXPECT_EQ(Saved(*doc).size(), kPixelsEnd + 8);
    // One beyond the six is exported as itself and shown as the nearest.
    settings.mode = ColorMode::Grey4;
    doc->SetExportSettings(settings);
    EXPECT_EQ(doc->m_nColorMode, ColorMode::Colors64);
    EXPECT_EQ(doc->DeviceMode(), ColorMode::Grey4);
}

} // namespace
