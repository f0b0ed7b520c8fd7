#include "core/pixel_encoder.h"

PixelEncoder::PixelEncoder(ColorMode mode, const Thresholds& thresholds)
    : m_mode(mode), m_bits(KeptBits(mode)), m_red(thresholds.r), m_green(thresholds.g), m_blue(thresholds.b)
{
}

std::uint32_t PixelEncoder::Encode(std::uint32_t nPacked) const
{
    const int r = static_cast<int>(nPacked & 0xFF);
    const int g = static_cast<int>((nPacked >> 8) & 0xFF);
    const int b = static_cast<int>((nPacked >> 16) & 0xFF);

    switch (m_mode) {
    case ColorMode::Mono:
        return m_red.IsBelow(r) && m_green.IsBelow(g) && m_blue.IsBelow(b) ? 0u : 0xFFFFFFu;
    case ColorMode::Colors64:
        return static_cast<std::uint32_t>(m_red.Level(r) * 16 + m_green.Level(g) * 4 + m_blue.Level(b));
    case ColorMode::Colors256:
    case ColorMode::Rgb555:
    case ColorMode::Rgb565:
    case ColorMode::Full: {
        // Each channel's kept high bits, packed red above green above blue.
        const std::uint32_t red = static_cast<std::uint32_t>(r) >> (8 - m_bits.nRed);
        const std::uint32_t green = static_cast<std::uint32_t>(g) >> (8 - m_bits.nGreen);
        const std::uint32_t blue = static_cast<std::uint32_t>(b) >> (8 - m_bits.nBlue);
        return (red << (m_bits.nGreen + m_bits.nBlue)) | (green << m_bits.nBlue) | blue;
    }
    }
    return 0;
}

std::uint32_t DecodedPixel(ColorMode mode, std::uint32_t nValue)
{
    std::uint32_t red, green, blue;
    if (mode == ColorMode::Mono) return nValue == 0 ? 0u : 0xFFFFFFu;
    if (mode == ColorMode::Colors64) {
        red = 85 * (nValue >> 4 & 3);
        green = 85 * (nValue >> 2 & 3);
        blue = 85 * (nValue & 3);
    } else {
        // Each field back in the high bits of its channel, the dropped bits 0.
        const ChannelBits bits = KeptBits(mode);
        const auto field = [nValue](int nShift, int nBits) {
            return (nValue >> nShift & ((1u << nBits) - 1)) << (8 - nBits);
        };
        red = field(bits.nGreen + bits.nBlue, bits.nRed);
        green = field(bits.nBlue, bits.nGreen);
        blue = field(0, bits.nBlue);
    }
    return blue << 16 | green << 8 | red;
}
