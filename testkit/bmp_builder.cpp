// SPDX-License-Identifier: GPL-3.0-or-later
#include "testkit/bmp_builder.h"

#include "core/bmp_layout.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testing_support {

std::vector<std::uint8_t> BuildBmp(int nWidth, int nHeight, const PixelFunction& pixel, const BmpLayout& layout)
{
    const std::int64_t nStride = bmp::RowStride(nWidth);
    const std::uint32_t nOffset = bmp::kHeadersSize + layout.nGapBytes;
    std::vector<std::uint8_t> bytes(nOffset + nStride * nHeight, 0);
    std::uint8_t* h = bytes.data();
    h[0] = 'B';
    h[1] = 'M';
    bmp::WriteU32(h + bmp::kOffFileSize, static_cast<std::uint32_t>(bytes.size()));
    bmp::WriteU32(h + bmp::kOffPixelOffset, nOffset);
    bmp::WriteU32(h + bmp::kOffInfoSize, layout.nInfoSize);
    bmp::WriteU32(h + bmp::kOffWidth, static_cast<std::uint32_t>(nWidth));
    bmp::WriteU32(h + bmp::kOffHeight, static_cast<std::uint32_t>(layout.bTopDown ? -nHeight : nHeight));
    bmp::WriteU16(h + bmp::kOffPlanes, 1);
    bmp::WriteU16(h + bmp::kOffBitCount, layout.nBitCount);
    bmp::WriteU32(h + bmp::kOffCompression, layout.nCompression);
    for (int row = 0; row < nHeight; ++row) {
        const int y = layout.bTopDown ? row : nHeight - 1 - row;
        std::uint8_t* p = h + nOffset + row * nStride;
        for (int x = 0; x < nWidth; ++x) {
            const Rgb c = pixel(x, y);
            p[3 * x] = c.b;
            p[3 * x + 1] = c.g;
            p[3 * x + 2] = c.r;
        }
        for (std::int64_t i = 3 * nWidth; i < nStride; ++i) p[i] = layout.nPadByte;
    }
    return bytes;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Rgb PatternPixel(int x, int y)
{
    return {static_cast<std::uint8_t>(x * 37 + y * 11), static_cast<std::uint8_t>(x * 5 + y * 71),
            static_cast<std::uint8_t>(x * 113 ^ y * 29)};
}

} // namespace testing_support
