// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pixel_encoder.h"

#include "core/luminance.h"
#include "core/quantisers.h"

namespace {

// Three channel codes packed red above green above blue.
std::uint32_t PackChannels(const ChannelBits& bits, std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return (red << (bits.nGreen + bits.nBlue)) | (green << bits.nBlue) | blue;
}

} // namespace

PixelEncoder::PixelEncoder(ColorMode mode, const Thresholds& thresholds)
    : m_pFormat(FindPixelFormat(mode)), m_red(thresholds.r), m_green(thresholds.g), m_blue(thresholds.b)
{
    // The rule undithered grey takes in EncodedValues too.
    if (m_pFormat != nullptr && m_pFormat->rule == ChannelRule::Grey)
        m_greyLevel = GreyScale(m_pFormat->nStorageBits).channels[0].level;
}

std::uint32_t PixelEncoder::Encode(std::uint32_t nPacked) const
{
    if (m_pFormat == nullptr) return 0;
    const int r = static_cast<int>(nPacked & 0xFF);
    const int g = static_cast<int>((nPacked >> 8) & 0xFF);
    const int b = static_cast<int>((nPacked >> 16) & 0xFF);
    const ChannelBits& bits = m_pFormat->bits;

    switch (m_pFormat->rule) {
    case ChannelRule::Threshold:
        return m_red.IsBelow(r) && m_green.IsBelow(g) && m_blue.IsBelow(b) ? 0u : m_pFormat->nLargestValue;
    case ChannelRule::Levels:
        return PackChannels(bits, static_cast<std::uint32_t>(m_red.Level(r)), static_cast<std::uint32_t>(m_green.Level(g)),
                            static_cast<std::uint32_t>(m_blue.Level(b)));
    case ChannelRule::HighBits:
        return PackChannels(bits, static_cast<std::uint32_t>(r) >> (8 - bits.nRed),
                            static_cast<std::uint32_t>(g) >> (8 - bits.nGreen),
                            static_cast<std::uint32_t>(b) >> (8 - bits.nBlue));
    case ChannelRule::Grey:
        return m_greyLevel[Luminance({static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)})];
    case ChannelRule::Palette: return 0;
    }
    return 0;
}

std::uint32_t DecodedPixel(ColorMode mode, std::uint32_t nValue, std::span<const std::uint32_t> palette)
{
    const PixelFormat* format = FindPixelFormat(mode);
    if (format == nullptr || format->rule == ChannelRule::Threshold) return nValue == 0 ? 0u : 0xFFFFFFu;
    if (format->rule == ChannelRule::Palette) return nValue < palette.size() ? palette[nValue] : 0u;
    if (format->rule == ChannelRule::Grey) {
        const std::uint32_t grey = FullScaleLevel(format->nStorageBits, static_cast<int>(nValue & format->nLargestValue));
        return grey << 16 | grey << 8 | grey;
    }
    const ChannelBits& bits = format->bits;
    // Each field back in the high bits of its channel, the dropped bits 0;
    // levels spread evenly instead.
    const auto field = [&](int nShift, int nBits) {
        const std::uint32_t code = nValue >> nShift & ((1u << nBits) - 1);
        return format->rule == ChannelRule::Levels ? 255 * code / ((1u << nBits) - 1) : code << (8 - nBits);
    };
    const std::uint32_t red = field(bits.nGreen + bits.nBlue, bits.nRed);
    const std::uint32_t green = field(bits.nBlue, bits.nGreen);
    const std::uint32_t blue = field(0, bits.nBlue);
    return blue << 16 | green << 8 | red;
}
