#include "channel_rules.h"
#include "dib_image.h"

#include <cstring>

namespace {

// What the screen shows for every value of one channel in a mode that treats
// channels independently (all but two colours).
void BuildChannelTable(std::uint8_t (&table)[256], ColorMode mode, int nThreshold, int nKeptBits)
{
    const ChannelThreshold threshold(nThreshold);
    for (int v = 0; v < 256; ++v) {
        table[v] = mode == ColorMode::Colors64 ? kLevelDisplayValues[threshold.Level(v)]
                                               : KeepHighBits(v, nKeptBits);
    }
}

void BuildBelowTable(std::uint8_t (&table)[256], int nThreshold)
{
    const ChannelThreshold threshold(nThreshold);
    for (int v = 0; v < 256; ++v) table[v] = threshold.IsBelow(v) ? 1 : 0;
}

// The rows never overlap each other or the tables; telling the compiler so
// lets it keep table entries in registers instead of reloading after stores.
void ReduceMonoRow(const std::uint8_t* __restrict s, std::uint8_t* __restrict d, int nWidth, const std::uint8_t (&belowB)[256],
                   const std::uint8_t (&belowG)[256], const std::uint8_t (&belowR)[256])
{
    for (int c = 0; c < nWidth; ++c, s += 3, d += 3) {
        const std::uint8_t v = (belowB[s[0]] & belowG[s[1]] & belowR[s[2]]) ? 0 : 255;
        d[0] = d[1] = d[2] = v;
    }
}

void ReduceChannelRow(const std::uint8_t* __restrict s, std::uint8_t* __restrict d, int nWidth, const std::uint8_t (&tableB)[256],
                      const std::uint8_t (&tableG)[256], const std::uint8_t (&tableR)[256])
{
    for (int c = 0; c < nWidth; ++c, s += 3, d += 3) {
        d[0] = tableB[s[0]];
        d[1] = tableG[s[1]];
        d[2] = tableR[s[2]];
    }
}

} // namespace

int CDibImage::ReduceColors(ColorMode mode, int nThresholdB, int nThresholdG, int nThresholdR)
{
    if (!IsLoaded()) return 0;

    const std::int32_t nWidth = GetWidth();
    const std::int32_t nHeight = GetHeight();
    if (nWidth <= 0 || nHeight <= 0) return 1;
    const std::int64_t nStride = GetStride();
    const std::size_t nRowBytes = static_cast<std::size_t>(nWidth) * 3;

    // Per-channel tables are built once a call; the pixel loop only looks up.
    std::uint8_t tableB[256], tableG[256], tableR[256];
    const bool bMono = mode == ColorMode::Mono;
    const bool bCopy = mode == ColorMode::Full || !IsKnownColorMode(mode);
    if (bMono) {
        BuildBelowTable(tableB, nThresholdB);
        BuildBelowTable(tableG, nThresholdG);
        BuildBelowTable(tableR, nThresholdR);
    } else if (!bCopy) {
        const ChannelBits bits = KeptBits(mode);
        BuildChannelTable(tableB, mode, nThresholdB, bits.nBlue);
        BuildChannelTable(tableG, mode, nThresholdG, bits.nGreen);
        BuildChannelTable(tableR, mode, nThresholdR, bits.nRed);
    }

    for (std::int32_t r = 0; r < nHeight; ++r) {
        const std::uint8_t* s = m_pSrcBits + r * nStride;
        std::uint8_t* d = m_pDispBits + r * nStride;
        if (bMono)
            ReduceMonoRow(s, d, nWidth, tableB, tableG, tableR);
        else if (bCopy)
            std::memcpy(d, s, nRowBytes);
        else
            ReduceChannelRow(s, d, nWidth, tableB, tableG, tableR);
    }
    return 1;
}
