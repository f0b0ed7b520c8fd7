// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"
#include "core/reduction_settings.h"
#include "core/rgb_image.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The picture's pixels as red, green, blue bytes, for geometry and reduction.
RgbImage RgbImageOf(const CapturedPicture& picture);

// The encoded value of every pixel of a picture, top row first, under
// settings beyond its format's own rule: dithering, rounding, the
// brightness rule for two colours. Empty for the default settings, under
// which each pixel is encoded on its own (CapturedPicture::Value).
// Palette formats always have their values made here, from picture.palette.
std::vector<std::uint32_t> EncodedValues(const CapturedPicture& picture, const ReductionSettings& settings);

// Why the reduction settings cannot go with a mode, or nothing when they can.
std::optional<std::string> ReductionError(const ReductionSettings& settings, ColorMode mode);

// A palette format's colours for the picture, packed, at most PaletteSize()
// of them: the settings' colours or libimagequant's choice; empty for any
// other format, and when no palette could be chosen.
std::vector<std::uint32_t> PaletteFor(const CapturedPicture& picture, const ReductionSettings& settings);
