// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

// The orientation tag of EXIF data (a TIFF header and its first directory),
// 1 to 8 as EXIF numbers them; 1, "as stored", when the data has none or
// cannot be read.
int ExifOrientation(std::span<const std::uint8_t> tiff);
