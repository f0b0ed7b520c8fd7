// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/rgb_image.h"

enum class Rotation {
    Clockwise90,
    HalfTurn,
    Clockwise270,
};

enum class FlipAxis {
    Horizontal,   // left and right change places
    Vertical,     // top and bottom change places
};

// The picture turned clockwise.
RgbImage Rotated(const RgbImage& picture, Rotation rotation);

// The picture mirrored.
RgbImage Flipped(const RgbImage& picture, FlipAxis axis);

// The picture without its border rows and columns of the background colour
// alone, or of alpha 0 alone when it keeps its alpha; a picture of nothing
// but the border becomes its top-left pixel, as ImageMagick's -trim leaves one.
RgbImage Trimmed(const RgbImage& picture, Rgb background);
