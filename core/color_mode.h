// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The colour mode of a document. A document file can bring any 16-bit value;
// values outside the table of pixel formats (core/pixel_format.h) show and
// store the source colours.
enum class ColorMode : std::uint16_t {
    Mono = 1,
    Colors64 = 6,
    Colors256 = 8,
    Rgb555 = 15,
    Rgb565 = 16,
    Full = 24,
};
