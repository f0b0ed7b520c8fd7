// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bmp_layout.h"
#include "core/tovix_doc.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// A document holding a picture whose source pixel (x, y from the top) has
// the bytes blue = x, green = y, red = 0x30.
std::unique_ptr<CTOVIXDoc> DocWithPicture(int nWidth, int nHeight)
{
    auto doc = std::make_unique<CTOVIXDoc>();
    EXPECT_TRUE(doc->m_image.Create(nWidth, nHeight));
    const std::int64_t nStride = doc->m_image.GetStride();
    for (int y = 0; y < nHeight; ++y) {
        std::uint8_t* row = doc->m_image.m_pSrcBits + (nHeight - 1 - y) * nStride;
        for (int x = 0; x < nWidth; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(x);
            row[3 * x + 1] = static_cast<std::uint8_t>(y);
            row[3 * x + 2] = 0x30;
        }
    }
    doc->m_bLoaded = 1;
    return doc;
}

TEST(TOVIXDoc, NewDocumentHasTheDefaults)
{
    auto doc = std::make_unique<CTOVIXDoc>();
    EXPECT_EQ(doc->m_nColorMode, ColorMode::Full);
    EXPECT_EQ(doc->m_nThresholdR, 128);
    EXPECT_EQ(doc->m_nThresholdG, 128);
    EXPECT_EQ(doc->m_nThresholdB, 128);
    EXPECT_EQ(doc->m_nViewZoom, 100);
    EXPECT_EQ(doc->m_nPrintZoom, 100);
    EXPECT_EQ(doc->m_nVersion, 300);
    EXPECT_EQ(doc->m_nWidth, 0);
    EXPECT_EQ(doc->m_nHeight, 0);
    EXPECT_EQ(doc->m_bLoaded, 0);
    EXPECT_FALSE(doc->m_image.IsLoaded());
}

TEST(TOVIXDoc, CaptureTakesTheTopRowFirstPackedAs00BBGGRR)
{
    // Widths below, at and past the four-pixel steps, with and without padding.
    for (int nWidth : {1, 3, 4, 5, 6, 7, 8, 9, 33}) {
        auto doc = DocWithPicture(nWidth, 3);
        doc->m_image.ReduceColors(ColorMode::Mono, {128, 128, 128});   // capture ignores the displayed copy
        ASSERT_TRUE(doc->CopyBitmapToPixels());
        EXPECT_EQ(doc->m_nWidth, nWidth);
        EXPECT_EQ(doc->m_nHeight, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < nWidth; ++x)
                EXPECT_EQ(doc->PixelArray[y * nWidth + x], static_cast<std::uint32_t>(x << 16 | y << 8 | 0x30))
                    << "width " << nWidth << " at " << x << "," << y;
    }
}

TEST(TOVIXDoc, CaptureWithoutAPictureKeepsThePreviousCapture)
{
    auto doc = DocWithPicture(2, 2);
    ASSERT_TRUE(doc->CopyBitmapToPixels());
    doc->m_image.Free();
    doc->m_bLoaded = 0;
    EXPECT_TRUE(doc->CopyBitmapToPixels());
    EXPECT_EQ(doc->m_nWidth, 2);
    EXPECT_EQ(doc->PixelArray[3], 0x00010130u);
}

TEST(TOVIXDoc, RebuildWritesFreshHeadersAndBothCopies)
{
    auto doc = std::make_unique<CTOVIXDoc>();
    doc->m_nWidth = 3;
    doc->m_nHeight = 2;
    for (int i = 0; i < 6; ++i) doc->PixelArray[i] = 0x00102030u + static_cast<std::uint32_t>(i);
    ASSERT_TRUE(doc->CopyPixelsToBitmap());

    const std::uint8_t expectedHeader[54] = {
        'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,
        0,   0,   0,  0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (const std::uint8_t* buffer : {doc->m_image.m_pDispBuffer, doc->m_image.m_pSrcBuffer})
        EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + 54), std::vector<std::uint8_t>(expectedHeader, expectedHeader + 54));
    EXPECT_EQ(doc->m_image.m_pSrcBits, doc->m_image.m_pSrcBuffer + 54);
    // Top row (entries 0..2) is the last row in memory; bytes are blue, green, red.
    EXPECT_EQ(doc->m_image.m_pDispBits[12], 0x10);
    EXPECT_EQ(doc->m_image.m_pDispBits[13], 0x20);
    EXPECT_EQ(doc->m_image.m_pDispBits[14], 0x30);
    EXPECT_EQ(doc->m_image.m_pSrcBits[0], 0x10);
    EXPECT_EQ(doc->m_image.m_pSrcBits[2], 0x33);

    doc->m_bLoaded = 1;
    const std::uint32_t before[6] = {doc->PixelArray[0], doc->PixelArray[1], doc->PixelArray[2],
                                     doc->PixelArray[3], doc->PixelArray[4], doc->PixelArray[5]};
    std::fill(doc->PixelArray, doc->PixelArray + 6, 0u);
    ASSERT_TRUE(doc->CopyBitmapToPixels());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(doc->PixelArray[i], before[i]);
}

TEST(TOVIXDoc, RebuildThenCaptureGivesBackEveryEntryAndLeavesPaddingZero)
{
    for (int nWidth : {1, 2, 5, 6, 7, 9, 33, 64}) {
        auto doc = std::make_unique<CTOVIXDoc>();
        doc->m_nWidth = nWidth;
        doc->m_nHeight = 3;
        for (int i = 0; i < nWidth * 3; ++i) doc->PixelArray[i] = (static_cast<std::uint32_t>(i) * 2654435761u) & 0xFFFFFF;
        std::vector<std::uint32_t> entries(doc->PixelArray, doc->PixelArray + nWidth * 3);
        ASSERT_TRUE(doc->CopyPixelsToBitmap());
        doc->m_bLoaded = 1;
        std::fill(doc->PixelArray, doc->PixelArray + nWidth * 3, 0xDEADBEEFu);
        ASSERT_TRUE(doc->CopyBitmapToPixels());
        EXPECT_EQ(std::vector<std::uint32_t>(doc->PixelArray, doc->PixelArray + nWidth * 3), entries) << "width " << nWidth;
        const std::int64_t nStride = doc->m_image.GetStride();
        for (int r = 0; r < 3; ++r)
            for (std::int64_t i = 3 * nWidth; i < nStride; ++i)
                EXPECT_EQ(doc->m_image.m_pSrcBits[r * nStride + i], 0) << "width " << nWidth;
        EXPECT_EQ(0, std::memcmp(doc->m_image.m_pSrcBits, doc->m_image.m_pDispBits, static_cast<std::size_t>(3 * nStride)));
    }
}

TEST(TOVIXDoc, PictureLargerThanTheStoreIsNeverCaptured)
{
    struct Case {
        int nWidth, nHeight;
        bool bFits;
    } cases[] = {{2048, 1024, true}, {2049, 1024, false}, {4096, 4096, false}, {1, 4096, true}};
    for (const Case& c : cases) {
        auto doc = DocWithPicture(c.nWidth, c.nHeight);
        doc->m_nWidth = 7;
        EXPECT_EQ(doc->PictureFitsStore(), c.bFits) << c.nWidth << "x" << c.nHeight;
        EXPECT_EQ(doc->CopyBitmapToPixels(), c.bFits);
        EXPECT_EQ(doc->m_nWidth, c.bFits ? c.nWidth : 7);
    }
}

} // namespace
