// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/page_targets.h"

#include "export/export_job.h"
#include "export/export_name.h"
#include "export/target_source.h"

namespace {

// The comment names the commands that send the pages to the controller.
void WritePageSource(TextWriter& out, const ExportJob& job, const DisplayTarget& target, const std::string& commands)
{
    const CapturedPicture& picture = job.picture;
    const std::string name = MakeCIdentifier(job.exportName);
    const std::int64_t nPages = (picture.nHeight + 7) / 8;
    WriteTargetOpening(out, target, job,
                       Counted(nPages, "page") + " of 8 rows from the top, " + Counted(picture.nWidth, "byte") +
                           " a page: byte k of a page holds column k,\n   its top row in bit 0; " + MonoMeaning(job) +
                           ", a lit pixel of the panel.\n   " + commands);
    WriteExternArray(out, name, job, target);
}

} // namespace

void WriteSsd1306Source(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    const CapturedPicture& picture = job.picture;
    const std::int64_t nPages = (picture.nHeight + 7) / 8;
    WritePageSource(out, job, target,
                    "SSD1306: send the whole array as one data stream in horizontal addressing mode, after the\n   "
                    "commands 0x20 0x00 (horizontal addressing), 0x21 0 " + std::to_string(picture.nWidth - 1) +
                        " (columns), 0x22 0 " + std::to_string(nPages - 1) + " (pages).");
}

void WriteSh1106Source(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    const CapturedPicture& picture = job.picture;
    const std::int64_t nPages = (picture.nHeight + 7) / 8;
    WritePageSource(out, job, target,
                    "SH1106: page addressing only. For each page p from 0 to " + std::to_string(nPages - 1) +
                        ": the commands 0xB0 + p,\n   0x02 and 0x10 (column 2: a 128-pixel panel usually sits in the "
                        "middle of the 132-column memory),\n   then the " + Counted(picture.nWidth, "data byte") +
                        " from page p * " + std::to_string(picture.nWidth) + ".");
}
