// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/quantisers.h"
#include "core/rgb_image.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

enum class DitherMethod {
    None,             // each pixel takes its own code: exactly the six modes' output
    FloydSteinberg,   // error diffusion, serpentine
    Atkinson,         // error diffusion of three quarters of the error, serpentine
    Ordered,          // Bayer 8 x 8
};

// The method a --dither name gives (none, floyd-steinberg, atkinson,
// ordered); nothing for any other name.
std::optional<DitherMethod> DitherMethodNamed(std::string_view name);

// A picture reduced by a pixel format's quantiser: one code a pixel, top row
// first. Error diffusion runs left to right on even rows and right to left on
// odd ones, so that its errors do not pile up on one side.
std::vector<std::uint16_t> Dither(const RgbImage& picture, const ColourLevels& quantiser, DitherMethod method);
std::vector<std::uint16_t> Dither(const GreyImage& picture, const GreyLevels& quantiser, DitherMethod method);
std::vector<std::uint16_t> Dither(const RgbImage& picture, const MonoChannelRule& quantiser, DitherMethod method);
std::vector<std::uint16_t> Dither(const RgbImage& picture, const PaletteQuantiser& quantiser, DitherMethod method);
