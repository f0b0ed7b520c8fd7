// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_decoders.h"
#include "picture/picture_rows.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

using Rgba = std::array<std::uint8_t, 4>;

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> file) : m_file(file) {}
    bool Has(std::size_t nCount) const { return nCount <= m_file.size() - m_nAt; }
    const std::uint8_t* Take(std::size_t nCount)
    {
        const std::uint8_t* p = m_file.data() + m_nAt;
        m_nAt += nCount;
        return p;
    }
    void SetAt(std::size_t nAt) { m_nAt = nAt; }

private:
    std::span<const std::uint8_t> m_file;
    std::size_t m_nAt = 0;
};

std::uint32_t Word(const std::uint8_t* p) { return p[0] | p[1] << 8; }

std::uint8_t Widen5(std::uint32_t n) { return static_cast<std::uint8_t>((n << 3) | (n >> 2)); }

// A true-colour sample of 15, 16, 24 or 32 bits, little-endian BGR(A),
// the top bit of 16 and the fourth byte of 32 being alpha where it counts.
Rgba Colour(const std::uint8_t* p, int nBits, bool bAlpha)
{
    if (nBits <= 16) {
        const std::uint32_t v = Word(p);
        const std::uint8_t a = nBits == 16 && bAlpha && !(v & 0x8000) ? 0 : 255;
        return {Widen5((v >> 10) & 31), Widen5((v >> 5) & 31), Widen5(v & 31), a};
    }
    return {p[2], p[1], p[0], nBits == 32 && bAlpha ? p[3] : std::uint8_t{255}};
}

struct Header {
    int nIdLength, nMapType, nImageType, nMapFirst, nMapLength, nMapBits, nWidth, nHeight, nBits, nDescriptor;
};

// TGA 2.0 files end in a footer that may point to an extension area,
// whose attribute type says what the alpha bits mean: 3 alpha, 4 alpha
// with premultiplied colours, anything else no alpha. Without one, the
// descriptor's count of alpha bits decides. Returns -1 for no such area.
int AttributesType(std::span<const std::uint8_t> file)
{
    static constexpr char kSignature[] = "TRUEVISION-XFILE.";   // with its terminating zero byte
    constexpr std::size_t kFooterSize = 26, kExtensionSize = 495;
    if (file.size() < 18 + kFooterSize) return -1;
    const std::uint8_t* pFooter = file.data() + file.size() - kFooterSize;
    if (std::memcmp(pFooter + 8, kSignature, sizeof kSignature) != 0) return -1;
    const std::size_t nExtension = Word(pFooter) | std::size_t{Word(pFooter + 2)} << 16;
    if (nExtension == 0 || file.size() < kFooterSize + kExtensionSize ||
        nExtension > file.size() - kFooterSize - kExtensionSize)
        return -1;
    if (Word(file.data() + nExtension) != kExtensionSize) return -1;
    return file[nExtension + kExtensionSize - 1];
}

} // namespace

PictureFault DecodeTga(std::span<const std::uint8_t> file, PictureRows& rows)
{
    Reader reader(file);
    if (!reader.Has(18)) return PictureFault::Truncated;
    const std::uint8_t* h = reader.Take(18);
    const Header header{h[0], h[1], h[2], static_cast<int>(Word(h + 3)), static_cast<int>(Word(h + 5)), h[7],
                        static_cast<int>(Word(h + 12)), static_cast<int>(Word(h + 14)), h[16], h[17]};
    const int nKind = header.nImageType & 7;   // 1 colour-mapped, 2 true-colour, 3 grey
    const bool bRle = header.nImageType & 8;
    if (header.nImageType & ~11 || nKind < 1 || nKind > 3 || header.nMapType > 1) return PictureFault::NotPicture;
    const bool bMapped = nKind == 1;
    const auto one = [](int n, std::initializer_list<int> allowed) { return std::find(allowed.begin(), allowed.end(), n) != allowed.end(); };
    if (bMapped && (header.nMapType != 1 || !one(header.nBits, {8, 16}) || !one(header.nMapBits, {15, 16, 24, 32})))
        return PictureFault::NotPicture;
    if (nKind == 2 && !one(header.nBits, {15, 16, 24, 32})) return PictureFault::NotPicture;
    if (nKind == 3 && !one(header.nBits, {8, 16})) return PictureFault::NotPicture;
    if (header.nMapType == 1 && !one(header.nMapBits, {15, 16, 24, 32})) return PictureFault::NotPicture;

    const int nAttributes = AttributesType(file);
    const bool bAlpha = nAttributes >= 0 ? nAttributes == 3 || nAttributes == 4 : (header.nDescriptor & 15) != 0;
    const bool bPremultiplied = nAttributes == 4;
    if (const PictureFault fault = rows.Begin(header.nWidth, header.nHeight, 1, {}); fault != PictureFault::None)
        return fault;

    if (!reader.Has(static_cast<std::size_t>(header.nIdLength))) return PictureFault::Truncated;
    reader.Take(static_cast<std::size_t>(header.nIdLength));
    std::vector<Rgba> map;
    if (header.nMapType == 1) {
        const std::size_t nEntryBytes = (static_cast<std::size_t>(header.nMapBits) + 7) / 8;
        if (!reader.Has(nEntryBytes * header.nMapLength)) return PictureFault::Truncated;
        for (int i = 0; i < header.nMapLength; ++i) map.push_back(Colour(reader.Take(nEntryBytes), header.nMapBits, bAlpha));
    }

    const std::size_t nPixelBytes = (static_cast<std::size_t>(header.nBits) + 7) / 8;
    auto pixel = [&](const std::uint8_t* p, Rgba& out) {
        if (bMapped) {
            const int nIndex = static_cast<int>(header.nBits == 8 ? p[0] : Word(p)) - header.nMapFirst;
            if (nIndex < 0 || nIndex >= static_cast<int>(map.size())) return false;
            out = map[static_cast<std::size_t>(nIndex)];
        } else if (nKind == 3) {
            out = {p[0], p[0], p[0], header.nBits == 16 && bAlpha ? p[1] : std::uint8_t{255}};
        } else {
            out = Colour(p, header.nBits, bAlpha);
        }
        return true;
    };

    const std::size_t nPixels = static_cast<std::size_t>(header.nWidth) * header.nHeight;
    std::vector<Rgba> pixels(nPixels);
    for (std::size_t nDone = 0; nDone < nPixels;) {
        std::size_t nCount = 1;
        bool bRepeat = false;
        if (bRle) {
            if (!reader.Has(1)) return PictureFault::Truncated;
            const std::uint8_t nPacket = *reader.Take(1);
            nCount = (nPacket & 0x7F) + 1u;
            bRepeat = nPacket & 0x80;
            if (nCount > nPixels - nDone) return PictureFault::Corrupt;
        }
        const std::size_t nBytes = bRepeat ? nPixelBytes : nCount * nPixelBytes;
        if (!reader.Has(nBytes)) return PictureFault::Truncated;
        const std::uint8_t* p = reader.Take(nBytes);
        for (std::size_t i = 0; i < nCount; ++i, ++nDone) {
            if (!pixel(bRepeat ? p : p + i * nPixelBytes, pixels[nDone])) return PictureFault::Corrupt;
        }
    }

    // Rows are stored bottom first unless descriptor bit 5 says top first;
    // bit 4 stores each row right to left.
    const bool bTopFirst = header.nDescriptor & 0x20;
    const bool bRightToLeft = header.nDescriptor & 0x10;
    std::vector<Rgba> row(static_cast<std::size_t>(header.nWidth));
    for (int y = 0; y < header.nHeight; ++y) {
        const Rgba* pStored = &pixels[static_cast<std::size_t>(bTopFirst ? y : header.nHeight - 1 - y) * header.nWidth];
        std::copy(pStored, pStored + header.nWidth, row.begin());
        if (bRightToLeft) std::reverse(row.begin(), row.end());
        if (bPremultiplied) {
            for (Rgba& c : row)
                for (int i = 0; i < 3; ++i) c[i] = c[3] ? static_cast<std::uint8_t>(std::min(255, (c[i] * 255 + c[3] / 2) / c[3])) : 0;
        }
        rows.Put(y, row.data(), PictureRows::Layout::Rgba8);
    }
    rows.Finish();
    return PictureFault::None;
}
