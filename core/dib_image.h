// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "core/picture_limits.h"
#include "core/thresholds.h"

#include <cstdint>
#include <string>

// Why a BMP file was not loaded, in the order the checks run.
enum class DibLoadResult {
    Loaded,
    CannotOpen,      // missing, unreadable, or no memory for the copies
    NotBitmap,       // no "BM", headers cut short, or pixel rows the file does not hold
    NotTrueColor,    // bits per pixel other than 24
    TooWide,         // width over the limit
    TooHigh,         // height over the limit
    TooManyPixels,   // width x height over the limit
};

// The working bitmap: two in-memory images of a 24-bit BMP file, the source
// copy as read and the displayed copy that colour reduction rewrites.
class CDibImage {
public:
    static constexpr int kMaxSide = kDocumentLimits.nMaxSide;

    CDibImage() = default;
    ~CDibImage();
    CDibImage(const CDibImage&) = delete;
    CDibImage& operator=(const CDibImage&) = delete;

    // Reads a 24-bit BMP file into both copies; on any failure the image is
    // left empty. Rows stored top-down are turned bottom-up, so the height in
    // both headers is always positive afterwards.
    DibLoadResult Load(const std::string& path, const PictureLimits& limits = kDocumentLimits);

    // Releases both copies; calling it again does nothing.
    void Free();

    // Creates both copies, zero-filled, with fresh 54-byte headers for a
    // picture of the given size. Returns false when memory runs out.
    bool Create(std::int32_t nWidth, std::int32_t nHeight);

    // True while both copies exist.
    bool IsLoaded() const { return m_pSrcBuffer != nullptr && m_pDispBuffer != nullptr; }

    std::int32_t GetWidth() const;
    std::int32_t GetHeight() const;
    std::uint16_t GetBitCount() const;

    // Bytes of one pixel row, padding included.
    std::int64_t GetStride() const;

    // Recomputes the displayed copy from the source copy. Returns 0 when no
    // image is held.
    int ReduceColors(ColorMode mode, const Thresholds& thresholds);

    std::uint8_t* m_pSrcBuffer = nullptr;
    std::uint8_t* m_pSrcBits = nullptr;
    std::uint8_t* m_pDispBuffer = nullptr;
    std::uint8_t* m_pDispInfoHeader = nullptr;
    std::uint8_t* m_pDispBits = nullptr;

private:
    // Allocates both buffers, zeroed, and points the header fields into them.
    bool Allocate(std::size_t nSize, std::uint32_t nPixelOffset);

    std::size_t m_nBufferSize = 0;   // of each buffer
};
