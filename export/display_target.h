// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "core/rgb_image.h"
#include "export/bytes_options.h"

#include <cstdint>
#include <string>

struct DisplayTarget;
struct ExportJob;
class TextWriter;

// A target's writer: the C source or the raw bytes, told which target it writes.
using TargetWriter = void (*)(TextWriter& out, const ExportJob& job, const DisplayTarget& target);

// The header --header writes beside a target's source, guarded by guard: the
// declarations the source then leaves to it.
using TargetHeaderWriter = void (*)(TextWriter& out, const ExportJob& job, const DisplayTarget& target,
                                    const std::string& guard);

// How a target lays out the data: the bytes format's layout with these
// options (16-bit values low byte first, as the processor keeps them), then,
// for 32-bit pixels, a fourth byte after each pixel.
struct TargetLayout {
    MonoPacking packing;
    BitOrder bitOrder;
    RgbOrder rgbOrder;     // the colour order of 24-bit pixels
    bool bFourthByte;      // 24-bit pixels as B, G, R, 0xFF
    bool bWords;           // 16-bit pixels as uint16_t values instead of bytes
    // A palette's entries the picture leaves unused, B, G, R, A: LVGL 9's
    // converter fills them with transparent white, LVGL 8's with zeros.
    std::uint32_t nUnusedEntry = 0xFFFFFF00;
};

// The largest picture the target's image header can describe.
struct SizeLimit {
    const char* pszImage = nullptr;   // what the refusal calls the image; null for no limit
    std::int64_t nLargest = 0;        // pixels a side
    bool bStride = false;             // bytes a row too
};

// The colour ink of a three-colour panel, beside black and white.
struct PanelInk {
    const char* pszName;   // the colour plane's name and the ink's word
    Rgb colour;
};

// One display library named by --for: everything the tool, the program and
// --decode know of it. Adding a target is a row of DisplayTargets() and its
// writers.
struct DisplayTarget {
    const char* pszWord;                 // the --for word
    bool (*TakesMode)(ColorMode mode);   // the modes -m may choose for it
    ColorMode defaultMode;               // its mode when -m does not choose
    TargetLayout layout;
    SizeLimit sizeLimit;
    const char* pszExtension;            // of its C source
    const PanelInk* pInk;                // reduces full colour to black, white and this ink; null for none
    TargetWriter WriteSource;
    TargetWriter WriteBin;               // the same data as raw bytes, or the library's image file
    TargetHeaderWriter WriteHeader;      // null for a source included as it is (X11 bitmaps)

    // Whether the target reduces full colour to a panel's inks, and takes --dither for it.
    bool ReducesColours() const { return pInk != nullptr; }
};
