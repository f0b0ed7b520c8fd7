// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/export_settings.h"

#include "core/pixel_format.h"

std::optional<ExportFormat> FormatOfWord(std::string_view word)
{
    for (const ExportFormat format : {ExportFormat::Format1, ExportFormat::Format2, ExportFormat::Bytes, ExportFormat::Bin})
        if (word == FormatWord(format)) return format;
    return std::nullopt;
}

ColorMode NearestDocumentMode(const PixelFormat& format)
{
    if (!format.bNamedOnly) return format.mode;
    const int nBits = format.nStorageBits;
    if (nBits <= 1) return ColorMode::Mono;
    if (nBits <= 6) return ColorMode::Colors64;
    if (nBits <= 8) return ColorMode::Colors256;
    if (nBits <= 15) return ColorMode::Rgb555;
    if (nBits <= 16) return ColorMode::Rgb565;
    return ColorMode::Full;
}
