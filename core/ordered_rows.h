// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Ordered dithering of one row, sixteen pixels at a time with AVX2 (the
// three-channel kernels thirty-two at a time with AVX-512), for the kernels
// in dither.cpp; each codes the row's pixels up to the last whole sixteen
// and returns how many it coded, leaving the rest to the caller's
// tables, which code every pixel on a machine without AVX2. The per-pixel
// settings are for sixteen pixels in a row, the row's eight Bayer cells twice.

// One channel of levels a fixed step apart from 0: a value's level is
// min(255, value + offset) * nMagic >> 16, shifted into the code.
struct EvenStepRow {
    std::uint8_t offset[16];
    std::uint16_t nMagic;
    int nShift;
};

// Pixels of three bytes, red, green, blue: the sum of the channels' codes.
std::int32_t OrderedEvenStepsRgb(const std::uint8_t* s, std::uint16_t* d, std::int32_t nWidth,
                                 const EvenStepRow (&channels)[3]);

// Pixels of one byte.
std::int32_t OrderedEvenStepsGrey(const std::uint8_t* s, std::uint16_t* d, std::int32_t nWidth, const EvenStepRow& channel);

// Two colours by three thresholds: code 0 where every channel of the pixel
// is below its threshold, else 1.
std::int32_t OrderedBelowThresholds(const std::uint8_t* s, std::uint16_t* d, std::int32_t nWidth,
                                    const std::int16_t (&thresholds)[3][16]);
