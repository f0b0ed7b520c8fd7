// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/quantisers.h"

#include "core/channel_rules.h"
#include "core/pixel_format.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

// A rule whose every value takes the level shown nearest to it (the higher of two as near).
LevelRule NearestRule(std::vector<std::uint8_t> shown, int nShift)
{
    LevelRule rule{nShift, std::move(shown), {}};
    for (int v = 0; v < 256; ++v) {
        int nBest = 0;
        for (int l = 1; l < static_cast<int>(rule.shown.size()); ++l) {
            if (std::abs(rule.shown[l] - v) <= std::abs(rule.shown[nBest] - v)) nBest = l;
        }
        rule.level[v] = static_cast<std::uint8_t>(nBest);
    }
    return rule;
}

// 2^nBits values spread evenly from 0 to 255.
std::vector<std::uint8_t> FullScaleLevels(int nBits)
{
    std::vector<std::uint8_t> shown(std::size_t(1) << nBits);
    for (int l = 0; l < static_cast<int>(shown.size()); ++l) shown[l] = FullScaleLevel(nBits, l);
    return shown;
}

LevelRule MaskedChannel(int nBits, int nShift, Rounding rounding)
{
    if (rounding == Rounding::Nearest) return NearestRule(FullScaleLevels(nBits), nShift);
    LevelRule rule{nShift, std::vector<std::uint8_t>(std::size_t(1) << nBits), {}};
    for (int l = 0; l < static_cast<int>(rule.shown.size()); ++l)
        rule.shown[l] = static_cast<std::uint8_t>(l << (8 - nBits));
    for (int v = 0; v < 256; ++v) rule.level[v] = static_cast<std::uint8_t>(v >> (8 - nBits));
    return rule;
}

} // namespace

std::uint8_t FullScaleLevel(int nBits, int nLevel)
{
    const int nTop = (1 << nBits) - 1;
    return static_cast<std::uint8_t>((nLevel * 255 + nTop / 2) / nTop);
}

ColourLevels SixtyFourColours(const Thresholds& thresholds)
{
    ColourLevels quantiser;
    const int thresholdOf[3] = {thresholds.r, thresholds.g, thresholds.b};
    for (int c = 0; c < 3; ++c) {
        LevelRule& rule = quantiser.channels[c];
        rule.nShift = 4 - 2 * c;
        rule.shown.assign(std::begin(kLevelDisplayValues), std::end(kLevelDisplayValues));
        const ChannelThreshold threshold(thresholdOf[c]);
        for (int v = 0; v < 256; ++v) rule.level[v] = static_cast<std::uint8_t>(threshold.Level(v));
    }
    return quantiser;
}

ColourLevels MaskedChannels(ColorMode mode, Rounding rounding)
{
    const ChannelBits bits = FindPixelFormat(mode)->bits;
    return {MaskedChannel(bits.nRed, bits.nGreen + bits.nBlue, rounding),
            MaskedChannel(bits.nGreen, bits.nBlue, rounding), MaskedChannel(bits.nBlue, 0, rounding)};
}

GreyLevels GreyScale(int nBits)
{
    return {NearestRule(FullScaleLevels(nBits), 0)};
}

GreyLevels LuminanceThreshold(int nThreshold)
{
    LevelRule rule{0, {0, 255}, {}};
    for (int v = 0; v < 256; ++v) rule.level[v] = v >= nThreshold ? 1 : 0;
    return {rule};
}

namespace {

int SquaredDistance(Rgb colour, int r, int g, int b)
{
    const int dr = r - colour.r, dg = g - colour.g, db = b - colour.b;
    return dr * dr + dg * dg + db * db;
}

} // namespace

std::uint16_t PaletteQuantiser::Code(int r, int g, int b) const
{
    int nBest = 0;
    int nBestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < m_palette.size(); ++i) {
        const int nDistance = SquaredDistance(m_palette[i], r, g, b);
        if (nDistance < nBestDistance) {
            nBestDistance = nDistance;
            nBest = static_cast<int>(i);
        }
    }
    return static_cast<std::uint16_t>(nBest);
}

PaletteQuantiser::Pair PaletteQuantiser::Bracket(int r, int g, int b) const
{
    const std::uint16_t nNearest = Code(r, g, b);
    const Rgb near = m_palette[nNearest];
    const int pr = r - near.r, pg = g - near.g, pb = b - near.b;
    const double dOffset = double(pr * pr + pg * pg + pb * pb);
    Pair pair{nNearest, nNearest, 0};
    double dBestResidual = std::numeric_limits<double>::max();
    int nBestLength = 0;
    for (std::size_t i = 0; i < m_palette.size(); ++i) {
        const int sr = m_palette[i].r - near.r, sg = m_palette[i].g - near.g, sb = m_palette[i].b - near.b;
        const int nAlong = pr * sr + pg * sg + pb * sb;
        if (nAlong <= 0) continue;   // the nearest colour itself, or a colour behind it
        const int nLength = sr * sr + sg * sg + sb * sb;
        // Squared distance from the colour to the segment between the two.
        const double dResidual = nAlong >= nLength ? double(SquaredDistance(m_palette[i], r, g, b))
                                                   : dOffset - double(nAlong) * nAlong / nLength;
        // Of colours on one line, the nearer one: the mix then stays between neighbours.
        if (dResidual < dBestResidual || (dResidual == dBestResidual && nLength < nBestLength)) {
            dBestResidual = dResidual;
            nBestLength = nLength;
            pair = {nNearest, static_cast<std::uint16_t>(i), std::min(nAlong * 128 / nLength, 128)};
        }
    }
    return pair;
}
