// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/channel_rules.h"
#include "core/pixel_format.h"
#include "core/thresholds.h"

#include <array>
#include <cstdint>
#include <span>

// Encodes packed 0x00BBGGRR pixels in the bit layout of one pixel format.
// Built once for an export, so the boundaries are not recomputed per pixel.
class PixelEncoder {
public:
    PixelEncoder(ColorMode mode, const Thresholds& thresholds);

    // The encoded value of one packed pixel; 0 for a mode outside the table
    // and for a palette format, whose indices only EncodedValues gives.
    std::uint32_t Encode(std::uint32_t nPacked) const;

private:
    const PixelFormat* m_pFormat;
    ChannelThreshold m_red;
    ChannelThreshold m_green;
    ChannelThreshold m_blue;
    std::array<std::uint8_t, 256> m_greyLevel{};   // by luminance, for the grey formats
};

// A packed colour that encodes back to the value in the mode at thresholds
// 128: the colour the screen shows for it, but for 64 colours, where level L
// comes back as 85 x L, since the shown levels 63 and 127 do not encode back
// to their own levels. A grey level comes back as its grey; a palette
// format's index as its colour in the palette of packed colours.
std::uint32_t DecodedPixel(ColorMode mode, std::uint32_t nValue, std::span<const std::uint32_t> palette = {});
