// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/bytes_layout.h"

#include "core/pixel_format.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

int BytesPerPixel(ColorMode mode)
{
    return FindPixelFormat(mode)->BytesPerPixel();
}

bool PacksBits(ColorMode mode)
{
    return FindPixelFormat(mode)->PacksBits();
}

// Where the bit of pixel (x, y) of a two-colour picture lies.
struct BitPlace {
    std::int64_t nByte;
    std::uint8_t nMask;
};

class MonoPlaces {
public:
    MonoPlaces(std::int32_t nWidth, const BytesOptions& options)
        : m_nWidth(nWidth), m_bPages(options.GetPacking() == MonoPacking::Pages),
          m_bMsb(options.GetBitOrder() == BitOrder::Msb)
    {
    }

    BitPlace At(std::int32_t x, std::int32_t y) const
    {
        // Rows run across a byte; pages run down it, eight rows a page.
        const int nAlong = m_bPages ? y % 8 : x % 8;
        const auto nMask = static_cast<std::uint8_t>(m_bMsb ? 0x80 >> nAlong : 1 << nAlong);
        if (m_bPages) return {static_cast<std::int64_t>(y / 8) * m_nWidth + x, nMask};
        return {static_cast<std::int64_t>(y) * ((static_cast<std::int64_t>(m_nWidth) + 7) / 8) + x / 8, nMask};
    }

private:
    std::int32_t m_nWidth;
    bool m_bPages;
    bool m_bMsb;
};

// The bytes of one encoded value, in the order they are written.
inline void PutValue(std::uint8_t* out, std::uint32_t nValue, int nBytesPerPixel, const BytesOptions& options)
{
    switch (nBytesPerPixel) {
    case 3: {
        const bool bBgr = options.GetRgbOrder() == RgbOrder::Bgr;
        out[0] = static_cast<std::uint8_t>(nValue >> (bBgr ? 0 : 16));
        out[1] = static_cast<std::uint8_t>(nValue >> 8);
        out[2] = static_cast<std::uint8_t>(nValue >> (bBgr ? 16 : 0));
        break;
    }
    case 2: {
        const bool bBig = options.GetByteOrder() == ByteOrder::Big;
        out[0] = static_cast<std::uint8_t>(nValue >> (bBig ? 8 : 0));
        out[1] = static_cast<std::uint8_t>(nValue >> (bBig ? 0 : 8));
        break;
    }
    default: out[0] = static_cast<std::uint8_t>(nValue); break;
    }
}

std::uint32_t GetValue(const std::uint8_t* in, ColorMode mode, const BytesOptions& options)
{
    switch (BytesPerPixel(mode)) {
    case 3:
        return options.GetRgbOrder() == RgbOrder::Bgr ? static_cast<std::uint32_t>(in[2] << 16 | in[1] << 8 | in[0])
                                                       : static_cast<std::uint32_t>(in[0] << 16 | in[1] << 8 | in[2]);
    case 2:
        return options.GetByteOrder() == ByteOrder::Big ? static_cast<std::uint32_t>(in[0] << 8 | in[1])
                                                         : static_cast<std::uint32_t>(in[1] << 8 | in[0]);
    default: return in[0];
    }
}

template <int nStep>
void PackPixelsOf(const CapturedPicture& picture, const PixelEncoder& encoder, const BytesOptions& options,
                  std::size_t nFirst, std::span<std::uint8_t> out)
{
    std::size_t nPixel = nFirst;
    for (std::uint8_t* p = out.data(); p != out.data() + out.size(); p += nStep)
        PutValue(p, picture.Value(nPixel++, encoder), nStep, options);
}

// The bytes of whole pixels from pixel nFirst on, as many as out holds; the
// pixel's size is settled once, not for every pixel.
void PackPixels(const CapturedPicture& picture, const PixelEncoder& encoder, const BytesOptions& options,
                std::size_t nFirst, std::span<std::uint8_t> out)
{
    switch (BytesPerPixel(picture.mode)) {
    case 3: PackPixelsOf<3>(picture, encoder, options, nFirst, out); break;
    case 2: PackPixelsOf<2>(picture, encoder, options, nFirst, out); break;
    default: PackPixelsOf<1>(picture, encoder, options, nFirst, out); break;
    }
}

} // namespace

std::int64_t BytesCount(ColorMode mode, std::int64_t nWidth, std::int64_t nHeight, const BytesOptions& options)
{
    if (!PacksBits(mode)) return nWidth * nHeight * BytesPerPixel(mode);
    if (options.GetPacking() == MonoPacking::Pages) return (nHeight + 7) / 8 * nWidth;
    return (nWidth + 7) / 8 * nHeight;
}

std::vector<std::uint8_t> PackBytes(const CapturedPicture& picture, const BytesOptions& options)
{
    const ColorMode mode = picture.mode;
    const std::int32_t nWidth = picture.nWidth;
    const std::int32_t nHeight = picture.nHeight;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(BytesCount(mode, nWidth, nHeight, options)));
    const PixelEncoder encoder = picture.MakeEncoder();
    std::size_t nPixel = 0;
    if (PacksBits(mode)) {
        // A set bit marks black, as in the program's formats, or white inverted.
        const std::uint32_t nSetValue = options.bInvert ? kWhite : 0;
        const MonoPlaces places(nWidth, options);
        for (std::int32_t y = 0; y < nHeight; ++y) {
            for (std::int32_t x = 0; x < nWidth; ++x) {
                if (picture.Value(nPixel++, encoder) != nSetValue) continue;
                const BitPlace place = places.At(x, y);
                bytes[static_cast<std::size_t>(place.nByte)] |= place.nMask;
            }
        }
        return bytes;
    }
    PackPixels(picture, encoder, options, 0, bytes);
    return bytes;
}

void PackBlocks(const CapturedPicture& picture, const BytesOptions& options, std::size_t nMultiple,
                const std::function<void(std::span<const std::uint8_t> block, bool bLast)>& take)
{
    if (PacksBits(picture.mode)) {
        // Eight pixels a byte make little enough to hold at once.
        take(PackBytes(picture, options), true);
        return;
    }
    const auto nStep = static_cast<std::size_t>(BytesPerPixel(picture.mode));
    const std::size_t nTotal = static_cast<std::size_t>(BytesCount(picture.mode, picture.nWidth, picture.nHeight, options));
    // Small enough to stay in the cache, whole pixels and whole multiples.
    const std::size_t nUnit = std::lcm(nStep, nMultiple);
    const std::size_t nBlock = std::max<std::size_t>(1, (1 << 15) / nUnit) * nUnit;
    std::vector<std::uint8_t> block(std::min(nBlock, nTotal));
    const PixelEncoder encoder = picture.MakeEncoder();
    for (std::size_t nDone = 0; nDone < nTotal; nDone += block.size()) {
        block.resize(std::min(nBlock, nTotal - nDone));
        PackPixels(picture, encoder, options, nDone / nStep, block);
        take(block, nDone + block.size() == nTotal);
    }
}

std::vector<std::uint32_t> UnpackBytes(const std::vector<std::uint8_t>& bytes, ColorMode mode, std::int32_t nWidth,
                                       std::int32_t nHeight, const BytesOptions& options)
{
    std::vector<std::uint32_t> values(static_cast<std::size_t>(nWidth) * static_cast<std::size_t>(nHeight));
    if (PacksBits(mode)) {
        const MonoPlaces places(nWidth, options);
        std::uint32_t* value = values.data();
        for (std::int32_t y = 0; y < nHeight; ++y) {
            for (std::int32_t x = 0; x < nWidth; ++x) {
                const BitPlace place = places.At(x, y);
                const bool bSet = (bytes[static_cast<std::size_t>(place.nByte)] & place.nMask) != 0;
                *value++ = bSet != options.bInvert ? 0 : kWhite;
            }
        }
        return values;
    }
    const int nStep = BytesPerPixel(mode);
    const std::uint8_t* in = bytes.data();
    for (std::uint32_t& value : values) {
        value = GetValue(in, mode, options);
        in += nStep;
    }
    return values;
}
