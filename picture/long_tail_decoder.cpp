// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/picture_decoders.h"
#include "picture/picture_rows.h"
#include "picture/qt_picture.h"

PictureFault DecodeWithQt(std::span<const std::uint8_t> file, const std::string& formatHint, PictureRows& rows)
{
    QtPicture picture;
    if (const PictureFault fault = ReadWithQt(file, formatHint, rows.Limits(), picture); fault != PictureFault::None) return fault;
    ColourLabel label;
    label.icc = std::move(picture.icc);
    if (const PictureFault fault = rows.Begin(picture.nWidth, picture.nHeight, 1, label); fault != PictureFault::None)
        return fault;
    const PictureRows::Layout layout = picture.bDeep ? PictureRows::Layout::Rgba16 : PictureRows::Layout::Rgba8;
    const std::size_t nRowBytes = static_cast<std::size_t>(picture.nWidth) * (picture.bDeep ? 8 : 4);
    for (int y = 0; y < picture.nHeight; ++y) rows.Put(y, &picture.pixels[nRowBytes * static_cast<std::size_t>(y)], layout);
    rows.Finish();
    return PictureFault::None;
}
