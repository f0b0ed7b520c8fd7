// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/picture_geometry.h"

#include "core/bmp_layout.h"
#include "core/dib_image.h"

#include <cstring>

namespace {

// The source copy of a bitmap, rows bottom-up in blue, green, red, as the
// geometry's picture, rows top-down in red, green, blue.
RgbImage SourcePicture(const CDibImage& image)
{
    RgbImage picture(image.GetWidth(), image.GetHeight());
    const std::int64_t nStride = image.GetStride();
    for (std::int32_t y = 0; y < picture.nHeight; ++y)
        bmp::SwapRedAndBlue(image.m_pSrcBits + (picture.nHeight - 1 - y) * nStride, picture.Pixel(0, y), picture.nWidth);
    return picture;
}

} // namespace

RgbImage Transformed(RgbImage picture, const Geometry& geometry)
{
    if (geometry.bTrim) picture = Trimmed(picture, geometry.trimColour);
    if (geometry.rotation) picture = Rotated(picture, *geometry.rotation);
    if (geometry.bFlipHorizontal) picture = Flipped(picture, FlipAxis::Horizontal);
    if (geometry.bFlipVertical) picture = Flipped(picture, FlipAxis::Vertical);
    if (geometry.Resizes() && picture.nWidth > 0 && picture.nHeight > 0)
        picture = Resized(picture, geometry.nWidth, geometry.nHeight, geometry.fit, geometry.filter);
    return picture;
}

bool TransformBitmap(CDibImage& image, const Geometry& geometry)
{
    return StoreBitmap(image, Transformed(SourcePicture(image), geometry));
}

bool StoreBitmap(CDibImage& image, const RgbImage& picture)
{
    if (!image.Create(picture.nWidth, picture.nHeight)) return false;
    const std::int64_t nStride = image.GetStride();
    for (std::int32_t y = 0; y < picture.nHeight; ++y)
        bmp::SwapRedAndBlue(picture.Pixel(0, y), image.m_pSrcBits + (picture.nHeight - 1 - y) * nStride, picture.nWidth);
    std::memcpy(image.m_pDispBits, image.m_pSrcBits, static_cast<std::size_t>(picture.nHeight * nStride));
    return true;
}
