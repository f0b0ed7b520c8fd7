// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/picture_limits.h"

#include <cstdint>

// Why a picture did not come in, from the first check that failed.
enum class PictureFault {
    None,
    CannotOpen,       // missing, unreadable, or no memory for it
    NotPicture,       // no reader knows the file
    TooWide,          // wider than the limit, known from the header
    TooHigh,          // higher than the limit, known from the header
    TooManyPixels,    // more pixels than the limit, known from the header
    Truncated,        // the file ends before the picture does
    Corrupt,          // a checksum, compressed data or a structure is wrong
    OutsideScreen,    // a GIF image block reaches past the logical screen
    Unsupported,      // a valid kind of file this build cannot read (12-bit JPEG)
    BadColourProfile, // an embedded colour profile that cannot be used
    TooManyFrames,    // an animation's frames, all together, past the frames' memory limit
};

// Whether a picture of nWidth x nHeight, as it shows, passes the limits.
inline PictureFault SizeFault(const PictureLimits& limits, std::int64_t nWidth, std::int64_t nHeight)
{
    switch (limits.Passed(nWidth, nHeight)) {
    case PictureLimits::Excess::Width: return PictureFault::TooWide;
    case PictureLimits::Excess::Height: return PictureFault::TooHigh;
    case PictureLimits::Excess::Pixels: return PictureFault::TooManyPixels;
    case PictureLimits::Excess::None: break;
    }
    return PictureFault::None;
}
