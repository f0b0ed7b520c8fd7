// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/rgb_image.h"

// Measures of how close a reduced picture looks to its original.
namespace bench {

// Mean SSIM of two grey pictures of one size after a Gaussian blur of
// sigma 1 pixel on both, roughly what the eye does at a display's pixel
// pitch; 1 for equal pictures.
double BlurredSsim(const GreyImage& a, const GreyImage& b);

// Mean CIEDE2000 colour difference of two pictures of one size.
double MeanCiede2000(const RgbImage& a, const RgbImage& b);

} // namespace bench
