// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>

class CDibImage;

// Writes the source copy of the working bitmap to an open file as a PNG
// picture, 8 bits a channel, with each pixel's alpha (rows from the top)
// when alpha holds them, else opaque. Returns false when the picture cannot
// be encoded or the write fails.
bool WritePng(std::FILE* file, const CDibImage& image, std::span<const std::uint8_t> alpha = {});
