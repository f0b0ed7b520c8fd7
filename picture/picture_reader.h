#pragma once

#include "core/dib_image.h"

#include <cstdint>
#include <string>

// The colour that transparent parts of a picture are laid on.
struct BackgroundColor {
    std::uint8_t r = 255;
    std::uint8_t g = 255;
    std::uint8_t b = 255;
    bool operator==(const BackgroundColor&) const = default;
};

// Bytes a decoder may allocate for one picture: the largest side squared at
// 16 bytes a pixel (four 32-bit float channels), so that nothing within the
// size limits is refused and nothing far beyond them is allocated.
inline constexpr int kPictureAllocationLimitMiB =
    static_cast<int>(std::int64_t{CDibImage::kMaxSide} * CDibImage::kMaxSide * 16 / (1024 * 1024));

// Reads the first frame of any picture Qt's image readers know into both
// copies of the working bitmap, converted to sRGB, flattened onto the
// background and rounded to 8 bits a channel, as an imported 24-bit BMP file
// would leave them. The size limits are checked from the header before the
// pixels are decoded. On failure the image is left empty: CannotOpen when the
// file cannot be opened (or memory runs out), NotBitmap when no decoder can
// read it, TooWide or TooHigh past the limits.
DibLoadResult ReadPicture(const std::string& path, BackgroundColor background, CDibImage& image);
