// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/messages.h"

#include <cstdint>

// How large a picture a reader takes in, and the texts that refuse a larger one.
struct PictureLimits {
    std::int32_t nMaxSide = 0;
    std::int64_t nMaxPixels = 0;   // width x height at most; 0 when the sides alone bound it
    const char* pszTooWide = nullptr;
    const char* pszTooHigh = nullptr;
    const char* pszTooManyPixels = nullptr;

    enum class Excess { None, Width, Height, Pixels };
    // The first limit a picture of nWidth x nHeight passes, in that order.
    // The height counts by its magnitude: a BMP stored top-down gives it
    // negative, and its readers allocate for the magnitude. A width of 0 or
    // less is no picture, which every reader refuses before it allocates.
    constexpr Excess Passed(std::int64_t nWidth, std::int64_t nHeight) const
    {
        const std::int64_t nRows = nHeight < 0 ? -nHeight : nHeight;
        if (nWidth > nMaxSide) return Excess::Width;
        if (nRows > nMaxSide) return Excess::Height;
        if (nMaxPixels > 0 && nWidth * nRows > nMaxPixels) return Excess::Pixels;
        return Excess::None;
    }
};

// Past the largest picture any limits let in, in any encoding (64 Mpixels
// of 16-bit RGBA take 512 MiB): a larger file is refused unread.
inline constexpr std::int64_t kLargestPictureFileBytes = std::int64_t{1} << 30;

// What a document holds, and what every import takes unless told otherwise.
inline constexpr PictureLimits kDocumentLimits{4096, 0, msg::kTooWide, msg::kTooHigh, nullptr};

// What tovix-export takes when the picture is resized to a document's size
// at once: 64 Mpixels, 256 MiB as RGBA.
inline constexpr PictureLimits kResizeInputLimits{16384, std::int64_t{64} << 20, msg::kTooWideToResize,
                                                  msg::kTooHighToResize, msg::kTooManyPixelsToResize};
