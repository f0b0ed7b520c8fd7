// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "core/picture_geometry.h"
#include "core/reduction_settings.h"
#include "export/bytes_options.h"
#include "export/export_format.h"

#include <cstdint>
#include <optional>
#include <string>

// Everything the device-export dialog chooses.
struct DeviceChoices {
    const char* pszTarget = nullptr;   // a display library's --for word; null for a layout of one's own
    ColorMode mode = ColorMode::Rgb565;
    BytesOptions bytes;
    ReductionSettings reduction;
    Geometry geometry;   // as the tool's --trim, --rotate, --flip and --resize
    std::string arrayName;
    bool bHeader = false;
    bool bBinary = false;   // the raw bytes, as -f bin writes them, instead of a C source
    int nPreviewZoom = 400;

    // The row that writes the file: the target's, or a layout of one's own.
    const OutputFormat& Output() const
    {
        const OutputFormat* target = pszTarget ? FindOutputFormat(bBinary ? "bin" : "bytes", pszTarget) : nullptr;
        return target ? *target : FindOutputFormat(bBinary ? ExportFormat::Bin : ExportFormat::Bytes);
    }
};
