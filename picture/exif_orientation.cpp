// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/exif_orientation.h"

int ExifOrientation(std::span<const std::uint8_t> tiff)
{
    if (tiff.size() < 8) return 1;
    const bool bLittle = tiff[0] == 'I' && tiff[1] == 'I';
    if (!bLittle && !(tiff[0] == 'M' && tiff[1] == 'M')) return 1;
    auto read = [&](std::size_t nAt, int nBytes) -> std::uint32_t {
        std::uint32_t n = 0;
        for (int i = 0; i < nBytes; ++i) {
            const std::uint32_t byte = tiff[nAt + static_cast<std::size_t>(bLittle ? nBytes - 1 - i : i)];
            n = (n << 8) | byte;
        }
        return n;
    };
    if (read(2, 2) != 42) return 1;
    const std::size_t nDirectory = read(4, 4);
    if (nDirectory > tiff.size() - 2) return 1;
    const std::size_t nEntries = read(nDirectory, 2);
    for (std::size_t i = 0; i < nEntries; ++i) {
        const std::size_t nEntry = nDirectory + 2 + 12 * i;
        if (nEntry + 12 > tiff.size()) return 1;
        constexpr std::uint32_t kOrientationTag = 0x0112, kShortType = 3;
        if (read(nEntry, 2) != kOrientationTag) continue;
        const std::uint32_t nValue = read(nEntry + 8, 2);
        return read(nEntry + 2, 2) == kShortType && nValue >= 1 && nValue <= 8 ? static_cast<int>(nValue) : 1;
    }
    return 1;
}
