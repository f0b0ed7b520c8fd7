// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device_settings.h"

#include "core/pixel_format.h"

#include <algorithm>

namespace {

constexpr ColorMode kDocumentModes[] = {ColorMode::Mono,   ColorMode::Colors64, ColorMode::Colors256,
                                        ColorMode::Rgb555, ColorMode::Rgb565,   ColorMode::Full};

} // namespace

bool IsDocumentMode(ColorMode mode)
{
    return std::find(std::begin(kDocumentModes), std::end(kDocumentModes), mode) != std::end(kDocumentModes);
}

ColorMode NearestDocumentMode(const PixelFormat& format)
{
    if (IsDocumentMode(format.mode)) return format.mode;
    const int nBits = format.nStorageBits;
    if (nBits <= 1) return ColorMode::Mono;
    if (nBits <= 6) return ColorMode::Colors64;
    if (nBits <= 8) return ColorMode::Colors256;
    if (nBits <= 15) return ColorMode::Rgb555;
    if (nBits <= 16) return ColorMode::Rgb565;
    return ColorMode::Full;
}
