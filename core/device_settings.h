// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "core/picture_geometry.h"
#include "core/reduction_settings.h"

#include <string>

struct PixelFormat;

// What the device export remembers of its output, in the tool's words;
// empty where nothing was chosen.
struct DeviceOutputChoices {
    std::string strTarget;      // a --for target
    std::string strPack;        // rows or pages
    std::string strBitOrder;    // msb or lsb
    std::string strByteOrder;   // little or big
    std::string strPaletteFormat;   // 888 or 565
    std::string strRgbOrder;    // rgb or bgr
    bool bInvert = false;       // two colours: a set bit for white
    std::string strArrayName;
    bool bHeader = false;       // a header beside the source
    std::string strFormat;      // the -f word, bin for the raw bytes; empty: a C source

    bool operator==(const DeviceOutputChoices&) const = default;
};

// A document's settings beyond its colour mode and thresholds. The defaults
// leave the document file as the six modes know it, version 300.
struct DeviceSettings {
    std::string strPixelFormat;   // a format beyond the six modes by its row's name; empty: the colour mode
    ReductionSettings reduction;  // the user's palette among them
    DeviceOutputChoices output;
    // Done to the stored picture before the reduction; the trim cuts off white.
    Geometry geometry;

    bool IsDefault() const { return *this == DeviceSettings(); }
    bool operator==(const DeviceSettings&) const = default;
};

// The one of the six modes that stands in a document's colour-mode field for
// a format beyond them: the smallest that holds as many bits a pixel (1:
// two colours, up to 6: 64 colours, up to 8: 256, up to 15: 555, 16: 565,
// more: full colour), so that a reader of the six shows it in as few
// colours as the display has. A format of the six stands for itself.
ColorMode NearestDocumentMode(const PixelFormat& format);
