// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/bytes_layout.h"
#include "export/pixel_lines.h"
#include "export/text_reader.h"

namespace {

ValueFormat ValueFormatOf(const PixelFormat& format, const ModeLayout& layout, bool bPrefix)
{
    // Packed two-colour rows are bytes, always with their prefix.
    if (format.PacksBits()) return {2, true, 0xFF};
    return {layout.nDigits, bPrefix, format.nLargestValue};
}

} // namespace

std::optional<std::string> ReadPixelLines(Lines& lines, const ModeLayout& layout, std::int64_t nWidth,
                                          std::int64_t nHeight, bool bValuePrefix, bool bClosingLine,
                                          PictureBuffer& picture)
{
    const PixelFormat& format = *FindPixelFormat(layout.mode);
    std::vector<std::uint32_t> values;
    const std::int64_t nCount = DataElementCount(layout, nWidth, nHeight);
    if (ReadError error = ReadValues(lines, ValueFormatOf(format, layout, bValuePrefix), static_cast<std::size_t>(nCount), values))
        return error;
    if (ReadError error = ReadArrayEnd(lines, bClosingLine)) return error;
    if (format.PacksBits()) {
        // The program's packing is the bytes format's default: rows, leftmost pixel in bit 7.
        const std::vector<std::uint8_t> bytes(values.begin(), values.end());
        values = UnpackBytes(bytes, layout.mode, static_cast<std::int32_t>(nWidth), static_cast<std::int32_t>(nHeight), LayoutOptions());
    }
    picture = DecodedPicture(layout.mode, nWidth, nHeight, values);
    return {};
}
