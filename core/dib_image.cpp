// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dib_image.h"

#include "core/bmp_file.h"
#include "core/bmp_layout.h"
#include "core/page_memory.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// Reverses the order of the pixel rows, turning a top-down picture bottom-up.
void FlipRows(std::uint8_t* pBits, std::int64_t nStride, std::int64_t nRows)
{
    for (std::int64_t top = 0, bottom = nRows - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(pBits + top * nStride, pBits + (top + 1) * nStride, pBits + bottom * nStride);
}

} // namespace

CDibImage::~CDibImage()
{
    Free();
}

void CDibImage::Free()
{
    FreePages(m_pDispBuffer, m_nBufferSize);
    m_pDispBuffer = nullptr;
    FreePages(m_pSrcBuffer, m_nBufferSize);
    m_pSrcBuffer = nullptr;
}

bool CDibImage::Allocate(std::size_t nSize, std::uint32_t nPixelOffset)
{
    m_nBufferSize = nSize;
    m_pDispBuffer = static_cast<std::uint8_t*>(AllocatePages(nSize));
    m_pSrcBuffer = static_cast<std::uint8_t*>(AllocatePages(nSize));
    if (m_pDispBuffer == nullptr || m_pSrcBuffer == nullptr) {
        Free();
        return false;
    }
    m_pDispInfoHeader = m_pDispBuffer + bmp::kFileHeaderSize;
    m_pDispBits = m_pDispBuffer + nPixelOffset;
    m_pSrcBits = m_pSrcBuffer + nPixelOffset;
    return true;
}

DibLoadResult CDibImage::Load(const std::string& path, const PictureLimits& limits)
{
    Free();
    BmpFile bmp;
    if (const DibLoadResult result = OpenBmpFile(path, limits, bmp); result != DibLoadResult::Loaded) return result;

    // The copies hold the headers and the pixel rows; bytes after the last
    // row play no part.
    const std::int64_t nNeeded = bmp.Needed();
    if (!Allocate(static_cast<std::size_t>(nNeeded), bmp.nPixelOffset)) return DibLoadResult::CannotOpen;
    std::memcpy(m_pDispBuffer, bmp.header, sizeof bmp.header);
    const std::size_t nRest = static_cast<std::size_t>(nNeeded) - sizeof bmp.header;
    if (std::fread(m_pDispBuffer + sizeof bmp.header, 1, nRest, bmp.file.get()) != nRest) {
        Free();
        return DibLoadResult::CannotOpen;
    }

    if (bmp.bTopDown) {
        FlipRows(m_pDispBits, bmp.nStride, bmp.nRows);
        bmp::WriteU32(m_pDispInfoHeader + (bmp::kOffHeight - bmp::kFileHeaderSize), static_cast<std::uint32_t>(bmp.nRows));
    }
    std::memcpy(m_pSrcBuffer, m_pDispBuffer, static_cast<std::size_t>(nNeeded));
    return DibLoadResult::Loaded;
}

bool CDibImage::Create(std::int32_t nWidth, std::int32_t nHeight)
{
    Free();
    const std::int64_t nImageSize = nHeight * bmp::RowStride(nWidth);
    const std::int64_t nSize = nImageSize + bmp::kHeadersSize;
    if (!Allocate(static_cast<std::size_t>(nSize), bmp::kHeadersSize)) return false;

    std::uint8_t* h = m_pDispBuffer;
    h[0] = 'B';
    h[1] = 'M';
    bmp::WriteU32(h + bmp::kOffFileSize, static_cast<std::uint32_t>(nSize));
    bmp::WriteU32(h + bmp::kOffPixelOffset, bmp::kHeadersSize);
    bmp::WriteU32(h + bmp::kOffInfoSize, bmp::kInfoHeaderSize);
    bmp::WriteU32(h + bmp::kOffWidth, static_cast<std::uint32_t>(nWidth));
    bmp::WriteU32(h + bmp::kOffHeight, static_cast<std::uint32_t>(nHeight));
    bmp::WriteU16(h + bmp::kOffPlanes, 1);
    bmp::WriteU16(h + bmp::kOffBitCount, 24);
    bmp::WriteU32(h + bmp::kOffImageSize, static_cast<std::uint32_t>(nImageSize));
    std::memcpy(m_pSrcBuffer, m_pDispBuffer, bmp::kHeadersSize);
    return true;
}

std::int32_t CDibImage::GetWidth() const
{
    return bmp::ReadI32(m_pDispInfoHeader + (bmp::kOffWidth - bmp::kFileHeaderSize));
}

std::int32_t CDibImage::GetHeight() const
{
    return bmp::ReadI32(m_pDispInfoHeader + (bmp::kOffHeight - bmp::kFileHeaderSize));
}

std::uint16_t CDibImage::GetBitCount() const
{
    return bmp::ReadU16(m_pDispInfoHeader + (bmp::kOffBitCount - bmp::kFileHeaderSize));
}

std::int64_t CDibImage::GetStride() const
{
    return bmp::RowStride(GetWidth());
}
