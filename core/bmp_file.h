// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/bmp_layout.h"
#include "core/dib_image.h"
#include "core/file_ptr.h"
#include "core/rgb_image.h"

#include <cstdint>
#include <string>

// A 24-bit BMP file whose headers the import takes, open just after them.
struct BmpFile {
    FilePtr file;
    std::uint8_t header[bmp::kHeadersSize] = {};
    std::int64_t nWidth = 0;
    std::int64_t nRows = 0;
    bool bTopDown = false;          // rows stored from the top, told by a negative height
    std::uint32_t nPixelOffset = 0;
    std::int64_t nStride = 0;       // bytes a row, padded to 4

    // The file's bytes up to the end of the last row.
    std::int64_t Needed() const { return static_cast<std::int64_t>(nPixelOffset) + nStride * nRows; }
};

// Opens a file as the 24-bit BMP import reads it and checks its headers and
// size; anything else is refused with the import's reason.
DibLoadResult OpenBmpFile(const std::string& path, const PictureLimits& limits, BmpFile& bmp);

// The pixels of a file the 24-bit BMP import takes, refused alike, as one
// RGB picture, rows from the top: no copy of the file is held, so a picture
// about to be shrunk takes no more memory than its pixels.
DibLoadResult ReadBmpPixels(const std::string& path, const PictureLimits& limits, RgbImage& picture);
