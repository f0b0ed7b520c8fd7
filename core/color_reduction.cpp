// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/channel_rules.h"
#include "core/dib_image.h"
#include "core/pixel_format.h"
#include "core/simd_bytes.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Three vectors cover 16 pixels, after which the blue, green, red order of
// the bytes repeats; each block constant holds a channel's value at every
// byte of that channel.
constexpr int kBlockBytes = 48;
using BlockConstant = std::array<Bytes16, 3>;

BlockConstant Spread(const std::uint8_t (&byChannel)[3])
{
    BlockConstant block{};
    for (int i = 0; i < kBlockBytes; ++i) block[i / 16][i % 16] = byChannel[i % 3];
    return block;
}

// A channel value against one boundary: all ones where it is reached.
Bytes16 Reaches(Bytes16 v, Bytes16 boundary)
{
    return reinterpret_cast<Bytes16>(v >= boundary);
}

// Table lookups for thresholds from a file outside 0..255, whose boundaries
// bytes cannot hold.
void TableRow(const std::uint8_t* __restrict s, std::uint8_t* __restrict d, int nBytes, const std::uint8_t (&table)[3][256])
{
    for (int i = 0; i < nBytes; i += 3) {
        d[i] = table[0][s[i]];
        d[i + 1] = table[1][s[i + 1]];
        d[i + 2] = table[2][s[i + 2]];
    }
}

// Modes that map each channel on its own. Masks keep high bits; levels need
// boundaries in 0..255 that grow from half to threshold to upper half, which
// every threshold in 0..255 gives. Bytes past the last block go through the
// per-channel tables, which hold the same mapping.
struct ChannelKernel {
    bool bLevels;
    bool bVectors = true;   // false for levels with a threshold outside 0..255
    BlockConstant mask, half, threshold, upper;
    std::uint8_t table[3][256];

    ChannelKernel(const PixelFormat& format, const ChannelThreshold (&channels)[3]) : bLevels(format.rule == ChannelRule::Levels)
    {
        const ChannelBits& bits = format.bits;
        const int keptBits[3] = {bits.nBlue, bits.nGreen, bits.nRed};
        std::uint8_t maskBytes[3] = {}, halfBytes[3] = {}, thresholdBytes[3] = {}, upperBytes[3] = {};
        for (int ch = 0; ch < 3; ++ch) {
            const ChannelThreshold& channel = channels[ch];
            for (int v = 0; v < 256; ++v)
                table[ch][v] = bLevels ? kLevelDisplayValues[channel.Level(v)] : KeepHighBits(v, keptBits[ch]);
            maskBytes[ch] = KeepHighBits(0xFF, keptBits[ch]);
            if (channel.Threshold() < 0 || channel.Threshold() > 255) {
                bVectors = bVectors && !bLevels;
                continue;
            }
            halfBytes[ch] = static_cast<std::uint8_t>(channel.Half());
            thresholdBytes[ch] = static_cast<std::uint8_t>(channel.Threshold());
            upperBytes[ch] = static_cast<std::uint8_t>(channel.UpperHalf());
        }
        mask = Spread(maskBytes);
        half = Spread(halfBytes);
        threshold = Spread(thresholdBytes);
        upper = Spread(upperBytes);
    }

    Bytes16 Apply(Bytes16 v, int k) const
    {
        if (!bLevels) return v & mask[k];
        return (Reaches(v, half[k]) & 63) | (Reaches(v, threshold[k]) & 127) | Reaches(v, upper[k]);
    }

    void Row(const std::uint8_t* s, std::uint8_t* d, int nBytes) const
    {
        if (!bVectors) return TableRow(s, d, nBytes, table);
        int i = 0;
        for (; i + kBlockBytes <= nBytes; i += kBlockBytes)
            for (int k = 0; k < 3; ++k) StoreBytes16(d + i + 16 * k, Apply(LoadBytes16(s + i + 16 * k), k));
        for (; i < nBytes; ++i) d[i] = table[i % 3][s[i]];
    }
};

// A pixel is black only when every channel lies below its own threshold.
void MonoPixels(const std::uint8_t* __restrict s, std::uint8_t* __restrict d, int nPixels,
                const ChannelThreshold (&t)[3])
{
    for (int c = 0; c < nPixels; ++c, s += 3, d += 3) {
        const bool bBlack = t[0].IsBelow(s[0]) && t[1].IsBelow(s[1]) && t[2].IsBelow(s[2]);
        std::memset(d, bBlack ? 0 : 255, 3);
    }
}

// Whole-vector byte shifts toward lane 0 (Down) or lane 15 (Up), filling
// with zeros: single instructions on every x86-64 and ARM SIMD unit.
Bytes16 Down1(Bytes16 v)
{
    return __builtin_shufflevector(v, Bytes16{}, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
}
Bytes16 Down2(Bytes16 v)
{
    return __builtin_shufflevector(v, Bytes16{}, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 16);
}
Bytes16 Up1(Bytes16 v)
{
    return __builtin_shufflevector(v, Bytes16{}, 16, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14);
}
Bytes16 Up2(Bytes16 v)
{
    return __builtin_shufflevector(v, Bytes16{}, 16, 16, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13);
}

// Two colours, five pixels a vector: each load starts on a pixel, so one
// threshold pattern serves every load. Shifts gather a pixel's three
// "reaches its threshold" bytes into its first byte and spread the result
// back over all three. The sixteenth byte written belongs to the next pixel,
// which the next step or the tail rewrites.
struct MonoKernel {
    Bytes16 threshold;   // per byte: its channel's threshold, clamped to 0..255
    Bytes16 enabled;     // zero for a channel whose threshold no byte can reach
    Bytes16 firstOfPixel{0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};

    explicit MonoKernel(const ChannelThreshold (&channels)[3])
    {
        for (int j = 0; j < 16; ++j) {
            const std::int64_t t = channels[j % 3].Threshold();
            threshold[j] = static_cast<std::uint8_t>(std::clamp<std::int64_t>(t, 0, 255));
            enabled[j] = t > 255 ? 0 : 0xFF;
        }
    }

    void Row(const std::uint8_t* s, std::uint8_t* d, int nWidth, const ChannelThreshold (&t)[3]) const
    {
        constexpr int kPixelsPerStep = 5;
        int c = 0;
        for (; 3 * c + 16 <= 3 * nWidth; c += kPixelsPerStep) {
            const Bytes16 reaches = Reaches(LoadBytes16(s + 3 * c), threshold) & enabled;
            const Bytes16 any = (reaches | Down1(reaches) | Down2(reaches)) & firstOfPixel;
            StoreBytes16(d + 3 * c, any | Up1(any) | Up2(any));
        }
        MonoPixels(s + 3 * c, d + 3 * c, nWidth - c, t);
    }
};

} // namespace

int CDibImage::ReduceColors(ColorMode mode, const Thresholds& thresholds)
{
    if (!IsLoaded()) return 0;

    const std::int32_t nWidth = GetWidth();
    const std::int32_t nHeight = GetHeight();
    if (nWidth <= 0 || nHeight <= 0) return 1;
    const std::int64_t nStride = GetStride();
    const int nRowBytes = nWidth * 3;
    // In the byte order of a BMP pixel.
    const ChannelThreshold channels[3] = {ChannelThreshold(thresholds.b), ChannelThreshold(thresholds.g),
                                          ChannelThreshold(thresholds.r)};
    auto forEachRow = [&](auto reduceRow) {
        for (std::int32_t r = 0; r < nHeight; ++r) reduceRow(m_pSrcBits + r * nStride, m_pDispBits + r * nStride);
    };

    // Everything that depends on the mode and thresholds is worked out once
    // a call, for that mode only; the row loops only apply it. A mode outside
    // the table, one that keeps every bit, and the named-only formats, which
    // no document holds, show the source colours.
    const PixelFormat* format = FindPixelFormat(mode);
    if (format == nullptr || format->bNamedOnly || (format->rule == ChannelRule::HighBits && format->nStorageBits == 24)) {
        forEachRow([&](const std::uint8_t* s, std::uint8_t* d) { std::memcpy(d, s, static_cast<std::size_t>(nRowBytes)); });
    } else if (format->rule == ChannelRule::Threshold) {
        const MonoKernel kernel(channels);
        forEachRow([&](const std::uint8_t* s, std::uint8_t* d) { kernel.Row(s, d, nWidth, channels); });
    } else {
        const ChannelKernel kernel(*format, channels);
        forEachRow([&](const std::uint8_t* s, std::uint8_t* d) { kernel.Row(s, d, nRowBytes); });
    }
    return 1;
}
