// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/picture_limits.h"
#include "picture/picture_fault.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What one of Qt's image readers made of a file: RGBA samples, 8 bits or
// 16 bits in host order, top row first, and the ICC profile of its colour
// space unless that is sRGB.
struct QtPicture {
    int nWidth = 0;
    int nHeight = 0;
    bool bDeep = false;
    std::vector<std::uint8_t> pixels;
    std::vector<std::uint8_t> icc;
};

// Reads the long tail of formats (WebP, TIFF, SVG, ICO, PNM, XBM, XPM …)
// with Qt's image readers: linked into the programs that have Qt anyway,
// loaded on demand by tovix-export, which maps no Qt library otherwise.
// formatHint is the file's extension, lower case, no dot; a picture past the
// limits is refused from its header where the reader tells its size.
PictureFault ReadWithQt(std::span<const std::uint8_t> file, const std::string& formatHint, const PictureLimits& limits,
                        QtPicture& picture);
