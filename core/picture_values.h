// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"
#include "core/reduction_settings.h"

#include <cstdint>
#include <vector>

// The encoded value of every pixel of a picture, top row first, under
// settings beyond its format's own rule: dithering, rounding, the
// brightness rule for two colours. Empty for the default settings, under
// which each pixel is encoded on its own (CapturedPicture::Value).
// Palette formats always have their values made here, from picture.palette.
std::vector<std::uint32_t> EncodedValues(const CapturedPicture& picture, const ReductionSettings& settings);

// A palette format's colours for the picture, packed, at most PaletteSize()
// of them: the settings' colours or libimagequant's choice; empty for any
// other format, and when no palette could be chosen.
std::vector<std::uint32_t> PaletteFor(const CapturedPicture& picture, const ReductionSettings& settings);
