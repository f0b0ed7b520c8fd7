// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/format2_writer.h"

#include "export/export_job.h"
#include "export/pixel_lines.h"
#include "export/text_writer.h"

std::string Format2FirstLine(const ModeLayout& layout, std::int64_t nWidth, std::int64_t nHeight)
{
    return std::string(layout.pszIdentifier) + "," + std::to_string(nWidth) + "," + std::to_string(nHeight) + ",";
}

void WriteFormat2(TextWriter& out, const ExportJob& job)
{
    const CapturedPicture& picture = job.picture;
    const ModeLayout* layout = FindModeLayout(picture.mode);
    if (layout == nullptr) return;
    out.Text(Format2FirstLine(*layout, picture.nWidth, picture.nHeight) + "\n");
    WritePixelLines(out, picture, *layout, false);
}
