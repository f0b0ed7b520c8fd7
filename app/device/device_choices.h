// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "core/orientation.h"
#include "core/picture_geometry.h"
#include "core/reduction_settings.h"
#include "core/resize.h"
#include "export/bytes_options.h"
#include "export/export_format.h"

#include <cstdint>
#include <optional>
#include <string>

// How the picture is turned and sized for the display: rotation, then
// flip, then resize, so that the size is the display's.
struct DeviceGeometry {
    std::optional<Rotation> rotation;
    std::optional<FlipAxis> flip;
    std::int32_t nWidth = 0;    // 0 keeps the picture's size
    std::int32_t nHeight = 0;
    ResizeFit fit = ResizeFit::Fit;
    ResizeFilter filter = ResizeFilter::Area;

    bool Resizes() const { return nWidth > 0 && nHeight > 0; }

    // The same shapes as the tool's --rotate, --flip and --resize, done by the same code.
    Geometry AsGeometry() const
    {
        Geometry geometry;
        geometry.rotation = rotation;
        geometry.bFlipHorizontal = flip == FlipAxis::Horizontal;
        geometry.bFlipVertical = flip == FlipAxis::Vertical;
        if (Resizes()) {
            geometry.nWidth = nWidth;
            geometry.nHeight = nHeight;
        }
        geometry.fit = fit;
        geometry.filter = filter;
        return geometry;
    }
};

// Everything the device-export dialog chooses.
struct DeviceChoices {
    const char* pszTarget = nullptr;   // a display library's --for word; null for a layout of one's own
    ColorMode mode = ColorMode::Rgb565;
    BytesOptions bytes;
    ReductionSettings reduction;
    DeviceGeometry geometry;
    std::string arrayName;
    bool bHeader = false;
    int nPreviewZoom = 400;

    // The row that writes the C source: the target's, or the bytes format.
    const OutputFormat& Output() const
    {
        const OutputFormat* target = pszTarget ? FindOutputFormat("bytes", pszTarget) : nullptr;
        return target ? *target : FindOutputFormat(ExportFormat::Bytes);
    }
};
