// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/channel_rules.h"

ChannelThreshold::ChannelThreshold(int nThreshold)
    : m_nThreshold(nThreshold),
      m_nHalf(m_nThreshold / 2),
      m_nUpperHalf((m_nThreshold + 255) / 2)
{
}
