#include "core/channel_rules.h"

ChannelThreshold::ChannelThreshold(int nThreshold)
    : m_nThreshold(nThreshold),
      m_nHalf(m_nThreshold / 2),
      m_nUpperHalf((m_nThreshold + 255) / 2)
{
}

ChannelBits KeptBits(ColorMode mode)
{
    switch (mode) {
    case ColorMode::Colors256: return {3, 3, 2};
    case ColorMode::Rgb555: return {5, 5, 5};
    case ColorMode::Rgb565: return {5, 6, 5};
    default: return {8, 8, 8};
    }
}
