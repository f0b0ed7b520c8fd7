// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "core/layout_options.h"
#include "core/picture_geometry.h"
#include "core/reduction_settings.h"
#include "core/thresholds.h"

#include <optional>
#include <string>
#include <string_view>

struct PixelFormat;

// What an export writes: C array declarations, a comma list, or the bytes a
// display takes, as a C source or as they are.
enum class ExportFormat { Format1, Format2, Bytes, Bin };

// The tool's -f word for a format, which a document also keeps.
constexpr const char* FormatWord(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Format1: return "1";
    case ExportFormat::Format2: return "2";
    case ExportFormat::Bytes: return "bytes";
    case ExportFormat::Bin: return "bin";
    }
    return "";
}

// The format a -f word names, or nothing.
std::optional<ExportFormat> FormatOfWord(std::string_view word);

// Everything one export is. The tool's options, a document's kept settings
// and the device-export dialog each hold this one value; the defaults are
// the six modes' export as it always was.
struct ExportSettings {
    ExportFormat format = ExportFormat::Format1;   // a display target writes Bytes (its source) or Bin
    std::string target;                     // a display library's --for word; empty for none
    std::optional<ColorMode> mode;          // the pixel format; empty: the input's own
    std::optional<Thresholds> thresholds;   // empty: the input's own
    ReductionSettings reduction;            // dithering, rounding, two colours' rule, the palette
    LayoutOptions layout;
    Geometry geometry;                      // trim, rotate, flip, resize, before the reduction
    Rgb background{255, 255, 255};          // under transparent parts of a picture
    std::string name;                       // the array's; empty: made from the input's name
    bool bHeader = false;                   // a header beside the source

    bool operator==(const ExportSettings&) const = default;
};

// The one of the six modes that stands in a document's colour-mode field for
// a format beyond them: the smallest that holds as many bits a pixel (1:
// two colours, up to 6: 64 colours, up to 8: 256, up to 15: 555, 16: 565,
// more: full colour), so that a reader of the six shows it in as few
// colours as the display has. A format of the six stands for itself.
ColorMode NearestDocumentMode(const PixelFormat& format);
