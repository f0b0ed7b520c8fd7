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

    // Named only (-m grey4): documents, FORMAT_1 and FORMAT_2 keep to the
    // six above, so these numbers are the program's own and never printed.
    Grey1 = 101,
    Grey2 = 102,
    Grey4 = 104,
    Grey8 = 108,
    Index1 = 111,
    Index2 = 112,
    Index4 = 114,
    Index8 = 118,
};
