// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bmp_import.h"
#include "core/picture_geometry.h"
#include "core/bmp_layout.h"
#include "core/messages.h"
#include "core/tovix_doc.h"
#include "testkit/bmp_builder.h"
#include "testkit/recording_dialogs.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <filesystem>
#include <memory>

using namespace testing_support;

namespace {

const std::vector<std::string> kFormatMessages = {msg::kBadBitmapFormat, msg::kCannotOpenBitmap};

// A BMP header alone, claiming the given size; enough for the checks that
// come before the pixel rows are looked at.
std::vector<std::uint8_t> HeaderOnly(int nWidth, int nHeight, std::uint16_t nBitCount = 24)
{
    std::vector<std::uint8_t> bytes = BuildBmp(1, 1, PatternPixel, {.nBitCount = nBitCount});
    bmp::WriteU32(bytes.data() + bmp::kOffWidth, static_cast<std::uint32_t>(nWidth));
    bmp::WriteU32(bytes.data() + bmp::kOffHeight, static_cast<std::uint32_t>(nHeight));
    return bytes;
}

class ImportTest : public testing::Test {
protected:
    // The import, or the import of a picture shaped at once by a shape that
    // leaves it as it is: a half turn and both flips.
    bool Import(const std::vector<std::uint8_t>& bytes, bool bShaped = false)
    {
        WriteFile(dir.File("in.bmp"), bytes);
        Geometry same;
        same.rotation = Rotation::HalfTurn;
        same.bFlipHorizontal = same.bFlipVertical = true;
        return bShaped ? ImportShapedBmp(*doc, dir.File("in.bmp"), dialogs, same, kDocumentLimits)
                       : ImportBmp(*doc, dir.File("in.bmp"), dialogs);
    }

    TempDir dir;
    RecordingDialogs dialogs;
    std::unique_ptr<CTOVIXDoc> doc = std::make_unique<CTOVIXDoc>();
};

TEST_F(ImportTest, RefusedFilesShowTheFirstFailingChecksMessagesAndLeaveNoPicture)
{
    std::vector<std::uint8_t> good = BuildBmp(4, 2, PatternPixel);
    auto patched = [&](int nOffset, std::uint32_t nValue, int nSize = 4) {
        std::vector<std::uint8_t> b = good;
        if (nSize == 2)
            bmp::WriteU16(b.data() + nOffset, static_cast<std::uint16_t>(nValue));
        else
            bmp::WriteU32(b.data() + nOffset, nValue);
        return b;
    };
    const std::vector<std::uint8_t> eight = HeaderOnly(4, 2, 8);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::vector<std::string> messages;
    } cases[] = {
        {"text file", {'h', 'e', 'l', 'l', 'o', '\n'}, kFormatMessages},
        {"empty file", {}, kFormatMessages},
        {"only the magic", {'B', 'M'}, kFormatMessages},
        {"headers cut at 53 bytes", {good.begin(), good.begin() + 53}, kFormatMessages},
        // Cut headers are a format fault even when the bit count they hold is wrong too.
        {"8-bit headers cut at 29 bytes", {eight.begin(), eight.begin() + 29}, kFormatMessages},
        {"8-bit headers cut at 53 bytes", {eight.begin(), eight.begin() + 53}, kFormatMessages},
        {"info header of 12 bytes", patched(bmp::kOffInfoSize, 12), kFormatMessages},
        {"8 bits per pixel", HeaderOnly(4, 2, 8), {msg::kNot24Bit}},
        {"32 bits per pixel", HeaderOnly(4, 2, 32), {msg::kNot24Bit}},
        {"4097 wide", HeaderOnly(4097, 1), {msg::kTooWide}},
        {"4097 high", HeaderOnly(1, 4097), {msg::kTooHigh}},
        {"4097 rows top-down", HeaderOnly(1, -4097), {msg::kTooHigh}},
        {"4097 by 4097 names the width only", HeaderOnly(4097, 4097), {msg::kTooWide}},
        {"height INT_MIN", HeaderOnly(1, INT32_MIN), {msg::kTooHigh}},
        {"width 0", patched(bmp::kOffWidth, 0), kFormatMessages},
        {"negative width", patched(bmp::kOffWidth, static_cast<std::uint32_t>(-4)), kFormatMessages},
        {"height 0", patched(bmp::kOffHeight, 0), kFormatMessages},
        {"compressed", patched(bmp::kOffCompression, 4), kFormatMessages},
        {"rows past the end", {good.begin(), good.end() - 1}, kFormatMessages},
        {"pixel offset past the end", patched(bmp::kOffPixelOffset, 0xFFFFFFF0u), kFormatMessages},
        {"pixel offset inside the headers", patched(bmp::kOffPixelOffset, 20), kFormatMessages},
        {"4096 wide header without rows", HeaderOnly(4096, 4096), kFormatMessages},
    };
    for (const Case& c : cases) {
        for (bool bShaped : {false, true}) {
            ASSERT_TRUE(Import(good)) << "a good import first";
            dialogs.messages.clear();
            EXPECT_FALSE(Import(c.bytes, bShaped)) << c.name << " shaped " << bShaped;
            EXPECT_EQ(dialogs.messages, c.messages) << c.name << " shaped " << bShaped;
            EXPECT_EQ(doc->m_bLoaded, 0) << c.name << " shaped " << bShaped;
            EXPECT_FALSE(doc->m_image.IsLoaded()) << c.name << " shaped " << bShaped;
        }
    }
}

TEST_F(ImportTest, MissingFileShowsOnlyTheCannotOpenMessage)
{
    EXPECT_FALSE(ImportBmp(*doc, dir.File("missing.bmp"), dialogs));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{msg::kCannotOpenBitmap});
    EXPECT_FALSE(ImportBmp(*doc, dir.Path(), dialogs)) << "a folder";
}

TEST_F(ImportTest, ImportedPictureKeepsItsPixelsWhateverTheLayout)
{
    const BmpLayout layouts[] = {{}, {.bTopDown = true}, {.nGapBytes = 1024}, {.nInfoSize = 124}};
    for (const BmpLayout& layout : layouts) {
        for (int nWidth : {1, 3, 5, 8, -1, -3}) {
            const bool bShaped = nWidth < 0;
            nWidth = std::abs(nWidth);
            ASSERT_TRUE(Import(BuildBmp(nWidth, 3, PatternPixel, layout), bShaped));
            EXPECT_EQ(doc->m_image.GetWidth(), nWidth);
            EXPECT_EQ(doc->m_image.GetHeight(), 3) << "always bottom-up after loading";
            ASSERT_TRUE(doc->CopyBitmapToPixels());
            for (int y = 0; y < 3; ++y) {
                for (int x = 0; x < nWidth; ++x) {
                    const testing_support::Rgb c = PatternPixel(x, y);
                    EXPECT_EQ(doc->PixelArray[y * nWidth + x], static_cast<std::uint32_t>(c.b << 16 | c.g << 8 | c.r))
                        << "width " << nWidth << " top-down " << layout.bTopDown << " gap " << layout.nGapBytes
                        << " shaped " << bShaped;
                }
            }
        }
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ImportTest, ImportShowsThePictureInTheDocumentsModeAndKeepsTheSettings)
{
    // Thresholds differ per channel, so that mixing up two channels shows.
    doc->m_nColorMode = ColorMode::Mono;
    doc->m_nThresholdR = 201;
    doc->m_nThresholdG = 11;
    doc->m_nThresholdB = 101;
    doc->m_nWidth = 9;
    doc->SetTitle("TOVIX1");
    ASSERT_TRUE(Import(BuildBmp(2, 1, [](int x, int) { return x == 0 ? testing_support::Rgb{200, 10, 100} : testing_support::Rgb{201, 10, 100}; })));
    EXPECT_EQ(doc->m_bLoaded, 1);
    ASSERT_TRUE(doc->m_image.IsLoaded());
    EXPECT_EQ(doc->m_image.m_pDispBits[0], 0);
    EXPECT_EQ(doc->m_image.m_pDispBits[3], 255);
    EXPECT_EQ(doc->m_nColorMode, ColorMode::Mono);
    EXPECT_EQ(doc->m_nThresholdR, 201);
    EXPECT_EQ(doc->m_nWidth, 9) << "the store is filled only by a capture";
    EXPECT_EQ(doc->GetTitle(), "TOVIX1");
}

TEST_F(ImportTest, LargestPictureIsAccepted)
{
    // The rows are a hole in the file, read back as black: building and
    // writing 48 MB of pixels would cost more than the import itself.
    WriteFile(dir.File("in.bmp"), HeaderOnly(4096, 4096));
    std::filesystem::resize_file(dir.File("in.bmp"), bmp::kHeadersSize + bmp::RowStride(4096) * 4096);
    ASSERT_TRUE(ImportBmp(*doc, dir.File("in.bmp"), dialogs));
    EXPECT_EQ(doc->m_image.GetWidth(), 4096);
    EXPECT_EQ(doc->m_image.GetHeight(), 4096);
    EXPECT_FALSE(doc->PictureFitsStore());
}

} // namespace
