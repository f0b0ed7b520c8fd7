// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dib_image.h"
#include "picture/picture_fault.h"

#include <cstdint>
#include <string>
#include <vector>

struct RgbImage;

// The colour that transparent parts of a picture are laid on.
struct BackgroundColor {
    std::uint8_t r = 255;
    std::uint8_t g = 255;
    std::uint8_t b = 255;
    bool operator==(const BackgroundColor&) const = default;
};

// Bytes a decoder may allocate for one picture: the most pixels within the
// limits at 16 bytes a pixel (four 32-bit float channels), so that nothing
// within them is refused and nothing far beyond them is allocated.
constexpr int AllocationLimitMiB(const PictureLimits& limits)
{
    const std::int64_t nSide = limits.nMaxSide;
    const std::int64_t nPixels = limits.nMaxPixels > 0 ? limits.nMaxPixels : nSide * nSide;
    return static_cast<int>(nPixels * 16 / (1024 * 1024));
}

// Reads the first frame of a picture into both copies of the working
// bitmap, converted to sRGB, turned as its EXIF orientation says, flattened
// onto the background and rounded to 8 bits a channel, as an imported 24-bit
// BMP file would leave them. PNG, JPEG, GIF and TGA are read by decoders of
// their own; everything else Qt's image readers know, through them. The size
// limits are checked from the header before the pixels are decoded. On
// failure the image is left empty and the fault says why.
// With pAlpha, the first frame's alpha goes there (rows from the top) and
// its colours stay unblended instead (SplitFrame).
PictureFault ReadPictureFile(const std::string& path, BackgroundColor background, CDibImage& image,
                             std::vector<std::uint8_t>* pAlpha = nullptr, const PictureLimits& limits = kDocumentLimits);

// Reads the first frame of a picture as ReadPictureFile does, into one
// picture of RGB pixels instead of the working bitmap's two copies.
PictureFault ReadPicturePixels(const std::string& path, BackgroundColor background, RgbImage& picture,
                               const PictureLimits& limits = kDocumentLimits);

// Reads the first frame as ReadPicturePixels does, its colours unblended and
// its alpha in the picture's alpha plane, for the formats that keep transparency.
PictureFault ReadPicturePixelsWithAlpha(const std::string& path, RgbImage& picture,
                                        const PictureLimits& limits = kDocumentLimits);

// ReadPictureFile's answer in the BMP import's terms: CannotOpen when the
// file cannot be opened (or memory runs out), TooWide or TooHigh past the
// limits, NotBitmap for every other refusal.
DibLoadResult ReadPicture(const std::string& path, BackgroundColor background, CDibImage& image);
