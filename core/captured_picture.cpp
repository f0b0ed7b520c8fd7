// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/captured_picture.h"

#include "core/bmp_layout.h"
#include "core/dib_image.h"
#include "core/simd_bytes.h"

#include <cstring>

namespace {

// Turns the little-endian word of a BMP pixel, 0x??RRGGBB, into a store
// entry 0x00BBGGRR, and an entry back into the pixel's word.
std::uint32_t SwapRedBlue(std::uint32_t n)
{
    return __builtin_bswap32(n << 8);
}

// Pixels of one BMP row into store entries, four at a time while sixteen
// bytes of the row remain, then one by one; the last pixel is read bytewise
// so that nothing past the row is touched. Built twice: processors with a
// byte shuffle instruction take the second build.
__attribute__((target_clones("default", "ssse3"))) void PackRow(const std::uint8_t* __restrict p,
                                                                 std::uint32_t* __restrict pEntry, std::int32_t nWidth)
{
    std::int32_t c = 0;
    for (; 3 * c + 16 <= 3 * nWidth; c += 4) {
        const Bytes16 v = LoadBytes16(p + 3 * c);
        StoreBytes16(pEntry + c, __builtin_shufflevector(v, Bytes16{}, 2, 1, 0, 16, 5, 4, 3, 16, 8, 7, 6, 16, 11, 10, 9, 16));
    }
    for (; c + 1 < nWidth; ++c) pEntry[c] = SwapRedBlue(bmp::ReadU32(p + 3 * c));
    if (nWidth > 0) {
        const std::uint8_t* q = p + 3 * (nWidth - 1);
        pEntry[nWidth - 1] = (std::uint32_t{q[0]} << 16) | (std::uint32_t{q[1]} << 8) | q[2];
    }
}

// Store entries into one BMP row, the way back. The bytes each store writes
// past its pixels belong to the next pixels, written again right after.
__attribute__((target_clones("default", "ssse3"))) void UnpackRow(const std::uint32_t* __restrict pEntry,
                                                                   std::uint8_t* __restrict p, std::int32_t nWidth)
{
    std::int32_t c = 0;
    for (; 3 * c + 16 <= 3 * nWidth; c += 4) {
        Bytes16 v;
        std::memcpy(&v, pEntry + c, sizeof v);
        StoreBytes16(p + 3 * c, __builtin_shufflevector(v, Bytes16{}, 2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, 16, 16, 16, 16));
    }
    for (; c + 1 < nWidth; ++c) bmp::WriteU32(p + 3 * c, SwapRedBlue(pEntry[c]));
    if (nWidth > 0) {
        std::uint8_t* q = p + 3 * (nWidth - 1);
        q[0] = static_cast<std::uint8_t>(pEntry[nWidth - 1] >> 16);
        q[1] = static_cast<std::uint8_t>(pEntry[nWidth - 1] >> 8);
        q[2] = static_cast<std::uint8_t>(pEntry[nWidth - 1]);
    }
}

// Rows to copy: a document file may claim billions of rows of no columns,
// which hold no pixel and must not cost a pass each.
std::int32_t RowsWithPixels(std::int32_t nWidth, std::int32_t nHeight)
{
    return nWidth > 0 ? nHeight : 0;
}

} // namespace

bool MakeBitmap(const CapturedPicture& picture, CDibImage& image)
{
    if (!image.Create(picture.nWidth, picture.nHeight)) return false;

    const std::int64_t nStride = image.GetStride();
    for (std::int32_t r = 0; r < RowsWithPixels(picture.nWidth, picture.nHeight); ++r)
        UnpackRow(picture.pixels.data() + static_cast<std::int64_t>(r) * picture.nWidth,
                  image.m_pSrcBits + (picture.nHeight - 1 - r) * nStride, picture.nWidth);
    std::memcpy(image.m_pDispBits, image.m_pSrcBits, static_cast<std::size_t>(picture.nHeight * nStride));
    return true;
}

void CapturePixels(const CDibImage& image, std::uint32_t* pStore)
{
    const std::int32_t nWidth = image.GetWidth();
    const std::int32_t nHeight = image.GetHeight();
    const std::int64_t nStride = image.GetStride();
    for (std::int32_t r = 0; r < RowsWithPixels(nWidth, nHeight); ++r)
        PackRow(image.m_pSrcBits + (nHeight - 1 - r) * nStride, pStore + static_cast<std::int64_t>(r) * nWidth, nWidth);
}
