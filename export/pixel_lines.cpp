#include "export/pixel_lines.h"

#include "core/tovix_doc.h"
#include "export/text_writer.h"

namespace {

// Values in index order. The two break tests come before every value but the
// last, so a last value never starts a line of its own.
void WriteValues(TextWriter& out, const CTOVIXDoc& doc, const ModeLayout& layout, bool bPrefix)
{
    const PixelEncoder encoder = doc.MakeEncoder();
    const std::int64_t nCount = static_cast<std::int64_t>(doc.m_nWidth) * doc.m_nHeight;
    int nOnLine = 0;
    int nInRow = 0;
    for (std::int64_t n = 0; n < nCount - 1; ++n) {
        if (nOnLine >= layout.nPerLine) {
            out.NewLine();
            nOnLine = 0;
        }
        if (nInRow >= doc.m_nWidth) {
            out.NewLine();
            nOnLine = nInRow = 0;
        }
        out.Hex(encoder.Encode(doc.PixelArray[n]), layout.nDigits, bPrefix);
        out.Comma();
        ++nOnLine;
        ++nInRow;
    }
    out.Hex(encoder.Encode(doc.PixelArray[nCount - 1]), layout.nDigits, bPrefix);
    out.NewLine();
}

// Eight pixels a byte, first pixel in the high bit, a set bit for black.
// Every row ends its own line; the image's very last byte has no comma.
void WritePackedRows(TextWriter& out, const CTOVIXDoc& doc, const ModeLayout& layout)
{
    const PixelEncoder encoder = doc.MakeEncoder();
    const int nWidth = doc.m_nWidth;
    const int nHeight = doc.m_nHeight;
    for (int r = 0; r < nHeight; ++r) {
        const std::uint32_t* row = doc.PixelArray + static_cast<std::int64_t>(r) * nWidth;
        const bool bLastRow = r == nHeight - 1;
        std::uint32_t nByte = 0;
        int nBits = 0;
        int nOnLine = 0;
        for (int k = 0; k < nWidth; ++k) {
            if (encoder.Encode(row[k]) == 0) nByte |= 1;
            if (++nBits == 8) {
                out.Hex(nByte, 2, true);
                if (!(bLastRow && k == nWidth - 1)) out.Comma();
                nByte = 0;
                nBits = 0;
                if (++nOnLine == layout.nPerLine) {
                    out.NewLine();
                    nOnLine = 0;
                }
            } else {
                nByte = (nByte << 1) & 0xFF;
            }
        }
        if (nBits != 0) {
            nByte = (nByte << (7 - nBits)) & 0xFF;
            out.Hex(nByte, 2, true);
            if (!bLastRow) out.Comma();
        }
        out.NewLine();
    }
}

} // namespace

void WritePixelLines(TextWriter& out, const CTOVIXDoc& doc, const ModeLayout& layout, bool bValuePrefix)
{
    if (static_cast<std::int64_t>(doc.m_nWidth) * doc.m_nHeight == 0) return;
    if (layout.mode == ColorMode::Mono)
        WritePackedRows(out, doc, layout);
    else
        WriteValues(out, doc, layout, bValuePrefix);
}
