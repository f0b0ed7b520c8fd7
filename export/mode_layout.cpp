// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/mode_layout.h"

namespace {

constexpr ModeLayout kLayouts[] = {
    {ColorMode::Mono, "unsigned char", "TOVIX_MONO", 2, 16, true},
    {ColorMode::Colors64, "unsigned char", "TOVIX_64", 2, 16, true},
    {ColorMode::Colors256, "unsigned char", "TOVIX_256", 2, 16, true},
    {ColorMode::Rgb555, "unsigned short", "TOVIX_32K_15BPP", 4, 16, false},
    {ColorMode::Rgb565, "unsigned short", "TOVIX_65K_16BPP", 4, 16, false},
    {ColorMode::Full, "unsigned long", "TOVIX_FULL", 6, 8, false},
};

} // namespace

const ModeLayout* FindModeLayout(ColorMode mode)
{
    for (const ModeLayout& layout : kLayouts)
        if (layout.mode == mode) return &layout;
    return nullptr;
}

std::int64_t DataElementCount(const ModeLayout& layout, std::int64_t nWidth, std::int64_t nHeight)
{
    if (layout.mode == ColorMode::Mono) return nHeight * ((nWidth + 7) / 8);
    return nWidth * nHeight;
}

bool HasLongSizePrefix(const ModeLayout& layout, std::int64_t nWidth, std::int64_t nHeight)
{
    // The bound is 256, not 255: a 255-pixel side still fits the short prefix.
    return layout.bByteArray && (nWidth >= 256 || nHeight >= 256);
}
