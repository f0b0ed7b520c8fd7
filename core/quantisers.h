// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "core/rgb_image.h"
#include "core/thresholds.h"

#include <array>
#include <cstdint>
#include <vector>

// The quantisers of the pixel formats that drop information: each turns a
// colour into the code the export writes and the colour the display shows
// for that code. The dithering kernels take them as template arguments.

// One channel's rule: the level each value falls on when nothing is
// dithered, and the value the display shows for each level (rising with it;
// a power of two of them, so that a level is a field of the code).
struct LevelRule {
    int nShift = 0;                       // of the level in the pixel's code
    std::vector<std::uint8_t> shown;      // by level
    std::array<std::uint8_t, 256> level;  // by value
};

// Formats whose channels are reduced each on its own: a pixel's code is the
// sum of its channels' levels, each shifted into its field. Three channels
// (red, green, blue) for colour, one for grey.
template <int N>
struct LevelQuantiser {
    std::array<LevelRule, N> channels;

    Rgb Shown(std::uint16_t nCode) const
    {
        std::uint8_t values[N];
        for (int c = 0; c < N; ++c) {
            const LevelRule& rule = channels[c];
            const auto nLevels = static_cast<unsigned>(rule.shown.size());
            values[c] = rule.shown[(nCode >> rule.nShift) & (nLevels - 1)];
        }
        if constexpr (N == 1) return {values[0], values[0], values[0]};
        else return {values[0], values[1], values[2]};
    }
};

using ColourLevels = LevelQuantiser<3>;
using GreyLevels = LevelQuantiser<1>;

enum class Rounding {
    Truncate,   // keep the high bits, as the six modes always have
    Nearest,    // the level whose full-scale value is nearest
};

// 64 colours: each channel's level 0..3 by its threshold, the code red x 16
// + green x 4 + blue, shown as 0, 63, 127 or 255, exactly as the six modes.
ColourLevels SixtyFourColours(const Thresholds& thresholds);

// 256 colours (3-3-2), 15-bit 5-5-5 or 16-bit 5-6-5, red in the high field.
// Truncation shows the kept high bits, as the six modes always have; nearest
// rounding spreads the levels over 0..255 (31 shows as 255). Other modes keep
// all eight bits, which no 16-bit code holds: use them only with these three.
ColourLevels MaskedChannels(ColorMode mode, Rounding rounding);

// 2^nBits grey levels (1, 2, 4 or 8 bits) spread evenly over 0..255, on a
// luminance image; a value takes the nearest level.
GreyLevels GreyScale(int nBits);

// The value level nLevel of 2^nBits spread evenly over 0..255 shows.
std::uint8_t FullScaleLevel(int nBits, int nLevel);

// Two colours by brightness: code 1 (white) at a luminance of nThreshold or
// more, else 0 (black).
GreyLevels LuminanceThreshold(int nThreshold);

// Two colours by the per-channel thresholds of the six modes: code 0 (black)
// only when every channel is below its threshold, else 1 (white).
class MonoChannelRule {
public:
    explicit MonoChannelRule(const Thresholds& thresholds) : m_thresholds(thresholds) {}

    std::uint16_t Code(int r, int g, int b) const
    {
        return r < m_thresholds.r && g < m_thresholds.g && b < m_thresholds.b ? 0 : 1;
    }
    Rgb Shown(std::uint16_t nCode) const { return nCode == 0 ? Rgb{0, 0, 0} : Rgb{255, 255, 255}; }
    const Thresholds& GetThresholds() const { return m_thresholds; }

private:
    Thresholds m_thresholds;
};

// A palette of 1 to 256 colours; the code is the index of the nearest colour
// (squared distance in R, G, B; the first of equals).
class PaletteQuantiser {
public:
    explicit PaletteQuantiser(std::vector<Rgb> palette) : m_palette(std::move(palette)) {}

    std::uint16_t Code(int r, int g, int b) const;
    Rgb Shown(std::uint16_t nCode) const { return m_palette[nCode]; }
    const std::vector<Rgb>& Colours() const { return m_palette; }

    // For ordered dithering: the nearest colour, the colour the line from it
    // passes nearest to the given colour on, and the position along that
    // line, 0 at the nearest, 128 at the other.
    struct Pair {
        std::uint16_t nNearest, nSecond;
        int nPosition;
    };
    Pair Bracket(int r, int g, int b) const;

private:
    std::vector<Rgb> m_palette;
};

// The picture a display shows for a plane of codes.
template <class Quantiser>
RgbImage ShownPicture(const std::vector<std::uint16_t>& codes, std::int32_t nWidth, std::int32_t nHeight,
                      const Quantiser& quantiser)
{
    RgbImage picture(nWidth, nHeight);
    std::uint8_t* d = picture.rgb.data();
    for (std::uint16_t nCode : codes) {
        const Rgb shown = quantiser.Shown(nCode);
        *d++ = shown.r;
        *d++ = shown.g;
        *d++ = shown.b;
    }
    return picture;
}
