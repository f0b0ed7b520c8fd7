#include "export/format2_writer.h"

#include "core/tovix_doc.h"
#include "export/pixel_lines.h"
#include "export/text_writer.h"

void WriteFormat2(TextWriter& out, const CTOVIXDoc& doc)
{
    const ModeLayout* layout = FindModeLayout(doc.m_nColorMode);
    if (layout == nullptr) return;
    out.Text(layout->pszIdentifier);
    out.Comma();
    out.Decimal(doc.m_nWidth);
    out.Comma();
    out.Decimal(doc.m_nHeight);
    out.Text(",\n");
    WritePixelLines(out, doc, *layout, false);
}
