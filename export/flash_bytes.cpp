// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/flash_bytes.h"

#include "export/bytes_layout.h"
#include "export/export_format.h"
#include "export/output_sink.h"

std::int64_t FlashBytes(const CapturedPicture& prepared, const ExportSettings& settings)
{
    // A palette comes before the pixels, as -f bin writes them.
    if (settings.target.empty())
        return PaletteBytesCount(prepared.mode, settings.layout) +
               BytesCount(prepared.mode, prepared.nWidth, prepared.nHeight, settings.layout);
    // A display library's own bytes are counted by writing its raw form to a
    // counter; the count is all that is kept.
    const OutputFormat* bin = FindOutputFormat(FormatWord(ExportFormat::Bin), settings.target);
    if (bin == nullptr) return 0;
    ByteCounter counter;
    WriteExport(counter.Sink(), *bin, {prepared, settings.name, settings.layout});
    return counter.Count();
}
