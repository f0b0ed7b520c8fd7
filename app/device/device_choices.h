// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/export_settings.h"
#include "export/export_format.h"

// Everything the device-export dialog chooses: the export, which writes the
// bytes a display takes (as a C source or as they are) in a pixel format it
// always names, and how large the preview shows it.
struct DeviceChoices {
    ExportSettings settings;
    int nPreviewZoom = 400;

    DeviceChoices()
    {
        settings.format = ExportFormat::Bytes;
        settings.mode = ColorMode::Rgb565;
    }

    ColorMode Mode() const { return settings.mode.value_or(ColorMode::Rgb565); }
    bool Binary() const { return settings.format == ExportFormat::Bin; }

    // The row that writes the file: the target's, or a layout of one's own.
    const OutputFormat& Output() const
    {
        const OutputFormat* row = OutputFormatOf(settings);
        return row != nullptr ? *row : FindOutputFormat(settings.format);
    }
};
