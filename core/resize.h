// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/rgb_image.h"

#include <cstdint>

enum class ResizeFilter {
    Area,      // each output pixel the mean of the source it covers: for downscaling, the default
    Lanczos,   // Lanczos 3: sharper, for photos
    Nearest,   // the source pixel under the centre: for pixel art
};

enum class ResizeFit {
    Fit,    // the whole picture inside the size, aspect kept: one side may come out shorter
    Fill,   // the size filled, aspect kept: the middle is kept, the overhang cut off
};

// The picture resized to nWidth x nHeight (both 1 or more) by fit and filter;
// its alpha too, if it has any, with the colours weighed by it.
RgbImage Resized(const RgbImage& picture, std::int32_t nWidth, std::int32_t nHeight, ResizeFit fit,
                 ResizeFilter filter);
