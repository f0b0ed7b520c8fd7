// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/orientation.h"
#include "core/resize.h"
#include "core/rgb_image.h"

#include <cstdint>
#include <optional>

class CDibImage;

// What is done to a picture's shape before its reduction, in this order:
// trim, rotate, flip, resize; the defaults do nothing.
struct Geometry {
    bool bTrim = false;
    Rgb trimColour{255, 255, 255};        // the border colour a trim cuts off
    std::optional<Rotation> rotation;
    bool bFlipHorizontal = false;
    bool bFlipVertical = false;
    std::int32_t nWidth = 0;              // the size to resize to; 0: no resize
    std::int32_t nHeight = 0;
    ResizeFit fit = ResizeFit::Fit;
    ResizeFilter filter = ResizeFilter::Area;

    bool Resizes() const { return nWidth > 0; }
    bool DoesNothing() const { return !bTrim && !rotation && !bFlipHorizontal && !bFlipVertical && !Resizes(); }
    bool operator==(const Geometry&) const = default;
};

// The picture with the geometry done to it.
RgbImage Transformed(RgbImage picture, const Geometry& geometry);

// Does the geometry to the source copy of a working bitmap and rebuilds both
// copies from the result; false, the image left empty, when memory runs out.
bool TransformBitmap(CDibImage& image, const Geometry& geometry);

// Makes both copies of a working bitmap hold the picture; false, the image
// left empty, when memory runs out.
bool StoreBitmap(CDibImage& image, const RgbImage& picture);
