// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/rgb_image.h"

#include <cstdint>

// Brightness as the eye sees it: Rec. 709 weights applied to linear light
// (the sRGB curve undone), the sum encoded back with the sRGB curve. A grey
// keeps its own value, and saturated colours get their seen brightness (pure
// red 127, blue 76), where Rec. 601 weights on the stored values would make
// red 76 and blue 29, far darker than they look.
std::uint8_t Luminance(Rgb colour);

// The luminance of every pixel.
GreyImage LuminanceImage(const RgbImage& picture);
