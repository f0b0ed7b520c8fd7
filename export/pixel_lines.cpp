// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/pixel_lines.h"

#include "export/bytes_layout.h"
#include "export/text_writer.h"

namespace {

// Values in index order. The two break tests come before every value but the
// last, so a last value never starts a line of its own.
void WriteValues(TextWriter& out, const CapturedPicture& picture, const ModeLayout& layout, bool bPrefix)
{
    const PixelEncoder encoder = picture.MakeEncoder();
    const std::int64_t nCount = picture.PixelCount();
    int nOnLine = 0;
    int nInRow = 0;
    for (std::int64_t n = 0; n < nCount - 1; ++n) {
        if (nOnLine >= layout.nPerLine) {
            out.NewLine();
            nOnLine = 0;
        }
        if (nInRow >= picture.nWidth) {
            out.NewLine();
            nOnLine = nInRow = 0;
        }
        out.Hex(picture.Value(static_cast<std::size_t>(n), encoder), layout.nDigits, bPrefix);
        out.Comma();
        ++nOnLine;
        ++nInRow;
    }
    out.Hex(picture.Value(static_cast<std::size_t>(nCount - 1), encoder), layout.nDigits, bPrefix);
    out.NewLine();
}

// The bytes format's default packing (rows, leftmost pixel in bit 7, a set
// bit for black), nPerLine bytes a line and every row ending a line of its
// own; the image's very last byte has no comma. Only full bytes count towards
// a line: a row's completed last byte never breaks one, so an empty line
// follows only a row of whole lines of full bytes.
void WritePackedRows(TextWriter& out, const CapturedPicture& picture, const ModeLayout& layout)
{
    const std::vector<std::uint8_t> bytes = PackBytes(picture, LayoutOptions());
    const std::size_t nRowBytes = (static_cast<std::size_t>(picture.nWidth) + 7) / 8;
    const std::size_t nFullBytes = static_cast<std::size_t>(picture.nWidth) / 8;
    for (std::size_t nStart = 0; nStart < bytes.size(); nStart += nRowBytes) {
        for (std::size_t k = 0; k < nRowBytes; ++k) {
            out.Hex(bytes[nStart + k], 2, true);
            if (nStart + k + 1 < bytes.size()) out.Comma();
            if (k < nFullBytes && (k + 1) % static_cast<std::size_t>(layout.nPerLine) == 0) out.NewLine();
        }
        out.NewLine();
    }
}

} // namespace

void WritePixelLines(TextWriter& out, const CapturedPicture& picture, const ModeLayout& layout, bool bValuePrefix)
{
    if (picture.PixelCount() == 0) return;
    if (FindPixelFormat(picture.mode)->PacksBits())
        WritePackedRows(out, picture, layout);
    else
        WriteValues(out, picture, layout, bValuePrefix);
}
