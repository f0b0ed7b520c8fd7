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

bool IsMono(ColorMode mode)
{
    return FindPixelFormat(mode)->rule == ChannelRule::Threshold;
}

// Where the bits of pixel (x, y) of a picture of 1, 2 or 4 bits a pixel lie.
struct BitPlace {
    std::int64_t nByte;
    int nShift;
};

class PackedPlaces {
public:
    PackedPlaces(std::int32_t nWidth, int nBits, const LayoutOptions& options)
        : m_nWidth(nWidth), m_nBits(nBits), m_nPerByteShift(nBits == 1 ? 3 : nBits == 2 ? 2 : 1),
          m_nRowBytes(RowBytes(nWidth, nBits)), m_bPages(options.GetPacking() == MonoPacking::Pages),
          m_bMsb(options.GetBitOrder() == BitOrder::Msb)
    {
    }

    BitPlace At(std::int32_t x, std::int32_t y) const
    {
        // Rows run across a byte; pages, of one bit a pixel, run down it, eight rows a page.
        const int nAlong = m_bPages ? y % 8 : x & ((1 << m_nPerByteShift) - 1);
        const int nShift = m_bMsb ? 8 - m_nBits * (nAlong + 1) : m_nBits * nAlong;
        if (m_bPages) return {static_cast<std::int64_t>(y / 8) * m_nWidth + x, nShift};
        return {static_cast<std::int64_t>(y) * m_nRowBytes + (x >> m_nPerByteShift), nShift};
    }

    static std::int64_t RowBytes(std::int64_t nWidth, int nBits) { return (nWidth * nBits + 7) / 8; }

private:
    std::int32_t m_nWidth;
    int m_nBits;
    int m_nPerByteShift;   // log2 of the pixels a byte holds
    std::int64_t m_nRowBytes;
    bool m_bPages;
    bool m_bMsb;
};

// The bytes of one encoded value, in the order they are written.
inline void PutValue(std::uint8_t* out, std::uint32_t nValue, int nBytesPerPixel, const LayoutOptions& options)
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

std::uint32_t GetValue(const std::uint8_t* in, ColorMode mode, const LayoutOptions& options)
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
void PackPixelsOf(const CapturedPicture& picture, const PixelEncoder& encoder, const LayoutOptions& options,
                  std::size_t nFirst, std::span<std::uint8_t> out)
{
    std::size_t nPixel = nFirst;
    for (std::uint8_t* p = out.data(); p != out.data() + out.size(); p += nStep)
        PutValue(p, picture.Value(nPixel++, encoder), nStep, options);
}

// The bytes of whole pixels from pixel nFirst on, as many as out holds; the
// pixel's size is settled once, not for every pixel.
void PackPixels(const CapturedPicture& picture, const PixelEncoder& encoder, const LayoutOptions& options,
                std::size_t nFirst, std::span<std::uint8_t> out)
{
    switch (BytesPerPixel(picture.mode)) {
    case 3: PackPixelsOf<3>(picture, encoder, options, nFirst, out); break;
    case 2: PackPixelsOf<2>(picture, encoder, options, nFirst, out); break;
    default: PackPixelsOf<1>(picture, encoder, options, nFirst, out); break;
    }
}

} // namespace

std::int64_t BytesCount(ColorMode mode, std::int64_t nWidth, std::int64_t nHeight, const LayoutOptions& options)
{
    if (!PacksBits(mode)) return nWidth * nHeight * BytesPerPixel(mode);
    if (options.GetPacking() == MonoPacking::Pages) return (nHeight + 7) / 8 * nWidth;
    return PackedPlaces::RowBytes(nWidth, FindPixelFormat(mode)->nStorageBits) * nHeight;
}

std::vector<std::uint8_t> PackBytes(const CapturedPicture& picture, const LayoutOptions& options)
{
    const ColorMode mode = picture.mode;
    const std::int32_t nWidth = picture.nWidth;
    const std::int32_t nHeight = picture.nHeight;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(BytesCount(mode, nWidth, nHeight, options)));
    const PixelEncoder encoder = picture.MakeEncoder();
    std::size_t nPixel = 0;
    if (PacksBits(mode)) {
        // Two colours set a bit for black, as in the program's formats, or
        // for white inverted; grey levels and indices are their own bits.
        const bool bMono = IsMono(mode);
        const std::uint32_t nSetValue = options.bInvert ? kWhite : 0;
        const PackedPlaces places(nWidth, FindPixelFormat(mode)->nStorageBits, options);
        for (std::int32_t y = 0; y < nHeight; ++y) {
            for (std::int32_t x = 0; x < nWidth; ++x) {
                const std::uint32_t nValue = picture.Value(nPixel++, encoder);
                const std::uint32_t nBits = bMono ? (nValue == nSetValue ? 1 : 0) : nValue;
                if (nBits == 0) continue;
                const BitPlace place = places.At(x, y);
                bytes[static_cast<std::size_t>(place.nByte)] |= static_cast<std::uint8_t>(nBits << place.nShift);
            }
        }
        return bytes;
    }
    PackPixels(picture, encoder, options, 0, bytes);
    return bytes;
}

void PackBlocks(const CapturedPicture& picture, const LayoutOptions& options, std::size_t nMultiple,
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
                                       std::int32_t nHeight, const LayoutOptions& options)
{
    std::vector<std::uint32_t> values(static_cast<std::size_t>(nWidth) * static_cast<std::size_t>(nHeight));
    if (PacksBits(mode)) {
        const int nPixelBits = FindPixelFormat(mode)->nStorageBits;
        const bool bMono = IsMono(mode);
        const PackedPlaces places(nWidth, nPixelBits, options);
        std::uint32_t* value = values.data();
        for (std::int32_t y = 0; y < nHeight; ++y) {
            for (std::int32_t x = 0; x < nWidth; ++x) {
                const BitPlace place = places.At(x, y);
                const std::uint32_t nBits = bytes[static_cast<std::size_t>(place.nByte)] >> place.nShift & ((1u << nPixelBits) - 1);
                if (bMono)
                    *value++ = (nBits != 0) != options.bInvert ? 0 : kWhite;
                else
                    *value++ = nBits;
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

std::int64_t PaletteBytesCount(ColorMode mode, const LayoutOptions& options)
{
    return FindPixelFormat(mode)->PaletteSize() * (options.GetPaletteFormat() == PaletteFormat::Rgb565 ? 2 : 3);
}

namespace {

std::uint32_t PaletteWord(std::uint32_t colour)
{
    return PixelEncoder(ColorMode::Rgb565, {128, 128, 128}).Encode(colour);
}

} // namespace

std::vector<std::uint8_t> PackPalette(const CapturedPicture& picture, const LayoutOptions& options)
{
    const bool b565 = options.GetPaletteFormat() == PaletteFormat::Rgb565;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(PaletteBytesCount(picture.mode, options)));
    std::uint8_t* out = bytes.data();
    for (std::uint32_t colour : picture.palette) {
        if (out == bytes.data() + bytes.size()) break;
        if (b565) {
            PutValue(out, PaletteWord(colour), 2, options);
            out += 2;
        } else {
            for (int nShift : {0, 8, 16}) *out++ = static_cast<std::uint8_t>(colour >> nShift);
        }
    }
    return bytes;
}

std::vector<std::uint32_t> ShownPalette(std::vector<std::uint32_t> palette, const LayoutOptions& options)
{
    if (options.GetPaletteFormat() == PaletteFormat::Rgb565)
        for (std::uint32_t& colour : palette) colour = DecodedPixel(ColorMode::Rgb565, PaletteWord(colour));
    return palette;
}

std::vector<std::uint32_t> UnpackPalette(const std::vector<std::uint8_t>& bytes, const LayoutOptions& options)
{
    const bool b565 = options.GetPaletteFormat() == PaletteFormat::Rgb565;
    std::vector<std::uint32_t> palette;
    for (std::size_t i = 0; i + (b565 ? 2 : 3) <= bytes.size(); i += b565 ? 2 : 3) {
        if (b565) {
            palette.push_back(DecodedPixel(ColorMode::Rgb565, GetValue(&bytes[i], ColorMode::Rgb565, options)));
        } else {
            palette.push_back(std::uint32_t{bytes[i + 2]} << 16 | std::uint32_t{bytes[i + 1]} << 8 | bytes[i]);
        }
    }
    return palette;
}
