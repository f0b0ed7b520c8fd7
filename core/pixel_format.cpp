// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pixel_format.h"

#include <string>

namespace {

constexpr PixelFormat kFormats[] = {
    {ColorMode::Mono, "mono", ChannelRule::Threshold, {0, 0, 0}, 1, 0xFFFFFF},
    {ColorMode::Colors64, "64", ChannelRule::Levels, {2, 2, 2}, 8, 0x3F},
    {ColorMode::Colors256, "256", ChannelRule::HighBits, {3, 3, 2}, 8, 0xFF},
    {ColorMode::Rgb555, "555", ChannelRule::HighBits, {5, 5, 5}, 16, 0x7FFF},
    {ColorMode::Rgb565, "565", ChannelRule::HighBits, {5, 6, 5}, 16, 0xFFFF},
    {ColorMode::Full, "full", ChannelRule::HighBits, {8, 8, 8}, 24, 0xFFFFFF},

    // Grey levels and palettes, for OLEDs, e-paper and LVGL's indexed formats.
    {ColorMode::Grey1, "grey1", ChannelRule::Grey, {0, 0, 0}, 1, 0x1, true},
    {ColorMode::Grey2, "grey2", ChannelRule::Grey, {0, 0, 0}, 2, 0x3, true},
    {ColorMode::Grey4, "grey4", ChannelRule::Grey, {0, 0, 0}, 4, 0xF, true},
    {ColorMode::Grey8, "grey8", ChannelRule::Grey, {0, 0, 0}, 8, 0xFF, true},
    {ColorMode::Index1, "index1", ChannelRule::Palette, {0, 0, 0}, 1, 0x1, true},
    {ColorMode::Index2, "index2", ChannelRule::Palette, {0, 0, 0}, 2, 0x3, true},
    {ColorMode::Index4, "index4", ChannelRule::Palette, {0, 0, 0}, 4, 0xF, true},
    {ColorMode::Index8, "index8", ChannelRule::Palette, {0, 0, 0}, 8, 0xFF, true},

    // With alpha: only display targets that draw it take these.
    {ColorMode::Argb8888, "argb8888", ChannelRule::HighBits, {8, 8, 8}, 24, 0xFFFFFF, true, 8},
    {ColorMode::Rgb565A8, "rgb565a8", ChannelRule::HighBits, {5, 6, 5}, 16, 0xFFFF, true, 8},
    {ColorMode::A8, "a8", ChannelRule::HighBits, {0, 0, 0}, 8, 0, true, 8},
    {ColorMode::Rgb565A1, "565a1", ChannelRule::HighBits, {5, 6, 5}, 16, 0xFFFF, true, 1},
};

// The words of the six numbered modes, or of the formats named only.
template <typename Word>
std::string Join(Word word, bool bNamedOnly)
{
    std::string text;
    for (const PixelFormat& format : kFormats)
        if (format.bNamedOnly == bNamedOnly) text += (text.empty() ? "" : ", ") + word(format);
    return text;
}

} // namespace

std::span<const PixelFormat> PixelFormats()
{
    return kFormats;
}

const PixelFormat* FindPixelFormat(ColorMode mode)
{
    for (const PixelFormat& format : kFormats)
        if (format.mode == mode) return &format;
    return nullptr;
}

const PixelFormat* FindPixelFormat(std::string_view word)
{
    for (const PixelFormat& format : kFormats)
        if (word == format.pszName || (!format.bNamedOnly && word == std::to_string(format.Number()))) return &format;
    return nullptr;
}

std::string ModeWord(ColorMode mode)
{
    const PixelFormat* format = FindPixelFormat(mode);
    return format != nullptr ? format->Word() : std::to_string(static_cast<int>(mode));
}

std::string PixelFormatNumbers()
{
    return Join([](const PixelFormat& format) { return std::to_string(format.Number()); }, false);
}

std::string PixelFormatNames(bool bNamedOnly)
{
    return Join([](const PixelFormat& format) { return std::string(format.pszName); }, bNamedOnly);
}
