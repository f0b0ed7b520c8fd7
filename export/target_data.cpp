// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/target_data.h"

#include "core/pixel_format.h"
#include "export/bytes_layout.h"
#include "export/export_job.h"

#include <algorithm>

namespace {

std::int64_t DataBytes(const TargetLayout& layout, ColorMode mode, std::int64_t nWidth, std::int64_t nHeight)
{
    if (FourBytes(layout, mode)) return nWidth * nHeight * 4;
    // RGB565A8: the alpha plane after the colours.
    if (mode == ColorMode::Rgb565A8) return nWidth * nHeight * 3;
    return BytesCount(mode, nWidth, nHeight, TargetLayoutOptions(layout, false));
}

// LVGL's palette, B, G, R, A an entry, 2^bits of them.
std::vector<std::uint8_t> LvglPalette(const CapturedPicture& picture, const TargetLayout& layout)
{
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < FindPixelFormat(picture.mode)->PaletteSize(); ++i) {
        const bool bUsed = static_cast<std::size_t>(i) < picture.palette.size();
        const std::uint32_t entry = bUsed ? picture.palette[static_cast<std::size_t>(i)] << 8 | 0xFF : layout.nUnusedEntry;
        bytes.insert(bytes.end(), {static_cast<std::uint8_t>(entry >> 24), static_cast<std::uint8_t>(entry >> 16),
                                   static_cast<std::uint8_t>(entry >> 8), static_cast<std::uint8_t>(entry)});
    }
    return bytes;
}

// Blocks of two sources, one after the other, regrouped so that each block
// but the last is a whole multiple again. Only the bytes short of a whole
// multiple wait to be joined; the rest passes through as it came.
class BlockJoiner {
public:
    BlockJoiner(std::size_t nMultiple, const TakeBlock& take) : m_nMultiple(nMultiple), m_take(take) {}

    void Add(std::span<const std::uint8_t> block, bool bLast)
    {
        if (!m_pending.empty()) {
            const std::size_t nFill = std::min(block.size(), m_nMultiple - m_pending.size());
            m_pending.insert(m_pending.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(nFill));
            block = block.subspan(nFill);
            const bool bPendingLast = bLast && block.empty();
            if (m_pending.size() < m_nMultiple && !bPendingLast) return;
            m_take(m_pending, bPendingLast);
            m_pending.clear();
            if (bPendingLast) return;
        }
        const std::size_t nWhole = bLast ? block.size() : block.size() / m_nMultiple * m_nMultiple;
        if (nWhole > 0 || bLast) m_take(block.first(nWhole), bLast);
        m_pending.assign(block.begin() + static_cast<std::ptrdiff_t>(nWhole), block.end());
    }

private:
    std::size_t m_nMultiple;
    const TakeBlock& m_take;
    std::vector<std::uint8_t> m_pending;   // fewer than m_nMultiple bytes
};

// Every pixel's alpha, 0xFF for an opaque picture, in blocks of whole multiples.
void TakeAlphaPlane(const CapturedPicture& picture, std::size_t nMultiple, const TakeBlock& take)
{
    if (!picture.alpha.empty()) {
        take(picture.alpha, true);
        return;
    }
    const std::size_t nPixels = static_cast<std::size_t>(picture.PixelCount());
    const std::vector<std::uint8_t> opaque(std::min(nPixels, std::max<std::size_t>(1, (1 << 15) / nMultiple) * nMultiple), 0xFF);
    for (std::size_t nDone = 0; nDone < nPixels; nDone += opaque.size()) {
        const std::size_t nPart = std::min(opaque.size(), nPixels - nDone);
        take(std::span<const std::uint8_t>(opaque.data(), nPart), nDone + nPart == nPixels);
    }
}

} // namespace

LayoutOptions TargetLayoutOptions(const TargetLayout& layout, bool bInvert)
{
    LayoutOptions options;
    options.packing = layout.packing;
    options.bitOrder = layout.bitOrder;
    options.byteOrder = ByteOrder::Little;
    options.rgbOrder = layout.rgbOrder;
    options.bInvert = bInvert;
    return options;
}

bool FourBytes(const TargetLayout& layout, ColorMode mode)
{
    return (layout.bFourthByte && mode == ColorMode::Full) || mode == ColorMode::Argb8888;
}

bool WritesWords(const TargetLayout& layout, ColorMode mode)
{
    return layout.bWords && FindPixelFormat(mode)->nStorageBits == 16;
}

std::int64_t RowStride(const TargetLayout& layout, ColorMode mode, std::int64_t nWidth)
{
    return mode == ColorMode::Rgb565A8 ? 2 * nWidth : DataBytes(layout, mode, nWidth, 1);
}

std::int64_t PaletteBytes(ColorMode mode)
{
    return 4 * static_cast<std::int64_t>(FindPixelFormat(mode)->PaletteSize());
}

std::int64_t ArrayBytes(const TargetLayout& layout, ColorMode mode, std::int64_t nWidth, std::int64_t nHeight)
{
    return PaletteBytes(mode) + DataBytes(layout, mode, nWidth, nHeight);
}

void ForEachDataBlock(const TargetLayout& layout, const ExportJob& job, std::size_t nMultiple, const TakeBlock& take)
{
    const LayoutOptions options = TargetLayoutOptions(layout, job.bytes.bInvert);
    const CapturedPicture& picture = job.picture;
    if (picture.mode == ColorMode::A8) {
        TakeAlphaPlane(picture, nMultiple, take);
        return;
    }
    if (FindPixelFormat(picture.mode)->UsesPalette()) {
        BlockJoiner joined(nMultiple, take);
        joined.Add(LvglPalette(picture, layout), false);
        PackBlocks(picture, options, nMultiple, [&joined](std::span<const std::uint8_t> block, bool bLast) { joined.Add(block, bLast); });
        return;
    }
    if (picture.mode == ColorMode::Rgb565A8) {
        BlockJoiner joined(nMultiple, take);
        PackBlocks(picture, options, nMultiple, [&joined](std::span<const std::uint8_t> block, bool) { joined.Add(block, false); });
        TakeAlphaPlane(picture, nMultiple, [&joined](std::span<const std::uint8_t> block, bool bLast) { joined.Add(block, bLast); });
        return;
    }
    if (!FourBytes(layout, picture.mode)) {
        PackBlocks(picture, options, nMultiple, take);
        return;
    }
    // B, G, R, then the alpha or 0xFF: full colour has nothing to encode, so
    // the bytes come straight from the pixels, in blocks of whole multiples.
    const bool bAlpha = picture.mode == ColorMode::Argb8888;
    const std::size_t nPixels = static_cast<std::size_t>(picture.PixelCount());
    const std::size_t nBlockPixels = std::max<std::size_t>(1, (1 << 13) / nMultiple) * nMultiple;
    std::vector<std::uint8_t> wide(4 * std::min(nBlockPixels, nPixels));
    for (std::size_t nFirst = 0; nFirst < nPixels; nFirst += nBlockPixels) {
        const std::size_t nEnd = std::min(nFirst + nBlockPixels, nPixels);
        std::uint8_t* out = wide.data();
        for (std::size_t i = nFirst; i < nEnd; ++i, out += 4) {
            const std::uint32_t nPixel = picture.pixels[i];
            out[0] = static_cast<std::uint8_t>(nPixel >> 16);
            out[1] = static_cast<std::uint8_t>(nPixel >> 8);
            out[2] = static_cast<std::uint8_t>(nPixel);
            out[3] = bAlpha ? picture.Alpha(i) : 0xFF;
        }
        take(std::span<const std::uint8_t>(wide.data(), 4 * (nEnd - nFirst)), nEnd == nPixels);
    }
}

std::optional<std::string> TargetSizeRefusal(const DisplayTarget& target, const CapturedPicture& picture)
{
    const SizeLimit& limit = target.sizeLimit;
    if (limit.pszImage == nullptr) return {};
    const std::int64_t nStride = RowStride(target.layout, picture.mode, picture.nWidth);
    if (picture.nWidth > limit.nLargest || picture.nHeight > limit.nLargest || (limit.bStride && nStride > limit.nLargest))
        return "the picture is too large for an " + std::string(limit.pszImage) + " image, which holds at most " +
               std::to_string(limit.nLargest) + (limit.bStride ? " pixels a side and bytes a row" : " pixels a side");
    return {};
}
