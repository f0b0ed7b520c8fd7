// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once


#include <cstdint>

// The per-channel rules shared by the on-screen reduction and the export
// encoding, so that the two can never disagree.

// One channel's threshold and the two boundaries the 64-colour levels use.
class ChannelThreshold {
public:
    explicit ChannelThreshold(int nThreshold);

    // True when a channel value counts as below the threshold (two colours).
    bool IsBelow(int nValue) const { return nValue < m_nThreshold; }

    // The 64-colour level 0..3 of a channel value.
    int Level(int nValue) const
    {
        if (nValue < m_nHalf) return 0;
        if (nValue < m_nThreshold) return 1;
        if (nValue < m_nUpperHalf) return 2;
        return 3;
    }

    // The boundaries themselves, for code that compares many values at once.
    std::int64_t Threshold() const { return m_nThreshold; }
    std::int64_t Half() const { return m_nHalf; }
    std::int64_t UpperHalf() const { return m_nUpperHalf; }

private:
    // 64-bit so that a threshold read from a file can never overflow the
    // sum; values in 0..255 give the same boundaries as 32-bit arithmetic.
    std::int64_t m_nThreshold;
    std::int64_t m_nHalf;
    std::int64_t m_nUpperHalf;
};

// The channel value the screen shows for each 64-colour level.
inline constexpr std::uint8_t kLevelDisplayValues[4] = {0, 63, 127, 255};

// A channel value with only its kept high bits left.
inline std::uint8_t KeepHighBits(int nValue, int nBits)
{
    return static_cast<std::uint8_t>(nValue & (0xFF00 >> nBits));
}
