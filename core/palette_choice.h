// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/rgb_image.h"

#include <vector>

// At most nColours (2..256) colours that represent the picture well, chosen
// by libimagequant (the quantiser behind pngquant); fewer when the picture
// has fewer, none when it cannot choose (no memory, an empty picture).
std::vector<Rgb> ChoosePalette(const RgbImage& picture, int nColours);
