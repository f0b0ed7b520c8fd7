// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstring>

// Byte offsets and little-endian access for the two BMP headers.
namespace bmp {

inline constexpr int kFileHeaderSize = 14;
inline constexpr int kInfoHeaderSize = 40;
inline constexpr int kHeadersSize = kFileHeaderSize + kInfoHeaderSize;

inline constexpr int kOffFileSize = 2;
inline constexpr int kOffPixelOffset = 10;
inline constexpr int kOffInfoSize = 14;
inline constexpr int kOffWidth = 18;
inline constexpr int kOffHeight = 22;
inline constexpr int kOffPlanes = 26;
inline constexpr int kOffBitCount = 28;
inline constexpr int kOffCompression = 30;
inline constexpr int kOffImageSize = 34;

inline std::uint16_t ReadU16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t ReadU32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::int32_t ReadI32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(ReadU32(p));
}

inline void WriteU16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void WriteU32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Bytes per row of a 24-bit picture: 3 per pixel, padded to a multiple of 4.
inline std::int64_t RowStride(std::int64_t nWidth)
{
    return (nWidth * 3 + 3) & ~std::int64_t{3};
}

// A row of pixels in blue, green, red as red, green, blue, or back again.
inline void SwapRedAndBlue(const std::uint8_t* pIn, std::uint8_t* pOut, std::int64_t nPixels)
{
    for (std::int64_t x = 0; x < nPixels; ++x, pIn += 3, pOut += 3) {
        pOut[0] = pIn[2];
        pOut[1] = pIn[1];
        pOut[2] = pIn[0];
    }
}

} // namespace bmp
