// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture/picture_fault.h"
#include "picture/srgb_conversion.h"

#include <spng.h>

#include <cstdint>
#include <memory>
#include <span>

using PngContext = std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)>;

// A decoder over a PNG file in memory that checks every CRC; null when
// memory runs out.
PngContext NewPngContext(std::span<const std::uint8_t> file);

// What an error of the PNG decoder means for the file.
PictureFault PngFault(int nError);

// The colour label and EXIF orientation (1 to 8) of a PNG whose header the
// decoder has read.
PictureFault ReadPngLabel(spng_ctx* ctx, ColourLabel& label, int& nOrientation);
