// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bmp_file.h"

#include <cstdio>
#include <new>
#include <vector>

#include <sys/stat.h>

DibLoadResult OpenBmpFile(const std::string& path, const PictureLimits& limits, BmpFile& bmp)
{
    bmp.file = OpenRegularFile(path);
    if (!bmp.file) return DibLoadResult::CannotOpen;
    struct stat info {};
    if (fstat(fileno(bmp.file.get()), &info) != 0) return DibLoadResult::CannotOpen;

    std::uint8_t* header = bmp.header;
    const std::size_t nHeaderRead = std::fread(header, 1, sizeof bmp.header, bmp.file.get());
    if (nHeaderRead < 2 || header[0] != 'B' || header[1] != 'M') return DibLoadResult::NotBitmap;
    if (nHeaderRead < sizeof bmp.header || bmp::ReadU32(header + bmp::kOffInfoSize) < bmp::kInfoHeaderSize)
        return DibLoadResult::NotBitmap;

    if (bmp::ReadU16(header + bmp::kOffBitCount) != 24) return DibLoadResult::NotTrueColor;

    bmp.nWidth = bmp::ReadI32(header + bmp::kOffWidth);
    const std::int64_t nHeight = bmp::ReadI32(header + bmp::kOffHeight);
    bmp.bTopDown = nHeight < 0;
    bmp.nRows = bmp.bTopDown ? -nHeight : nHeight;
    switch (limits.Passed(bmp.nWidth, bmp.nRows)) {
    case PictureLimits::Excess::Width: return DibLoadResult::TooWide;
    case PictureLimits::Excess::Height: return DibLoadResult::TooHigh;
    case PictureLimits::Excess::Pixels: return DibLoadResult::TooManyPixels;
    case PictureLimits::Excess::None: break;
    }

    // Past the size limits, anything the rest of the program could not draw
    // or capture safely is a malformed file.
    bmp.nPixelOffset = bmp::ReadU32(header + bmp::kOffPixelOffset);
    bmp.nStride = bmp::RowStride(bmp.nWidth);
    if (bmp.nWidth <= 0 || bmp.nRows == 0 || bmp::ReadU32(header + bmp::kOffCompression) != 0 ||
        bmp.nPixelOffset < bmp::kHeadersSize || bmp.Needed() > info.st_size)
        return DibLoadResult::NotBitmap;
    return DibLoadResult::Loaded;
}

DibLoadResult ReadBmpPixels(const std::string& path, const PictureLimits& limits, RgbImage& picture)
{
    picture = {};
    BmpFile bmp;
    if (const DibLoadResult result = OpenBmpFile(path, limits, bmp); result != DibLoadResult::Loaded) return result;
    if (std::fseek(bmp.file.get(), bmp.nPixelOffset, SEEK_SET) != 0) return DibLoadResult::CannotOpen;
    try {
        RgbImage pixels(static_cast<std::int32_t>(bmp.nWidth), static_cast<std::int32_t>(bmp.nRows));
        std::vector<std::uint8_t> row(static_cast<std::size_t>(bmp.nStride));
        for (std::int64_t r = 0; r < bmp.nRows; ++r) {
            if (std::fread(row.data(), 1, row.size(), bmp.file.get()) != row.size()) return DibLoadResult::CannotOpen;
            const auto y = static_cast<std::int32_t>(bmp.bTopDown ? r : bmp.nRows - 1 - r);
            bmp::SwapRedAndBlue(row.data(), pixels.Pixel(0, y), bmp.nWidth);
        }
        picture = std::move(pixels);
    } catch (const std::bad_alloc&) {
        return DibLoadResult::CannotOpen;
    }
    return DibLoadResult::Loaded;
}
