// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"
#include "export/bytes_options.h"

#include <cstdint>
#include <vector>


// Bytes of a picture of the given size in the mode's bytes layout.
std::int64_t BytesCount(ColorMode mode, std::int64_t nWidth, std::int64_t nHeight, const BytesOptions& options);

// A picture, encoded and laid out as bytes.
std::vector<std::uint8_t> PackBytes(const CapturedPicture& picture, const BytesOptions& options);

// The encoded value of every pixel, rows from the top, from bytes laid out as
// PackBytes lays them out; bytes holds BytesCount of them.
std::vector<std::uint32_t> UnpackBytes(const std::vector<std::uint8_t>& bytes, ColorMode mode, std::int32_t nWidth,
                                       std::int32_t nHeight, const BytesOptions& options);
