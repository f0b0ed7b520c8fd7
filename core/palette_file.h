// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/rgb_image.h"

#include <string>
#include <string_view>
#include <vector>

// A palette file: one colour a line, "#rrggbb" or "rrggbb" in hex of either
// case; blank lines, and anything from ";", "//" or a "#" followed by a
// space or the line's end, are comments. At most 256 colours.

enum class PaletteFileFault {
    None,
    CannotRead,    // the file could not be opened or read
    NotAColour,    // a line holds something other than one colour
    TooMany,       // a 257th colour
    Empty,         // no colour at all
};

struct PaletteFile {
    std::vector<Rgb> colours;
    PaletteFileFault fault = PaletteFileFault::None;
    int nLine = 0;           // of the fault, counted from 1; 0 for none or the whole file
    std::string strText;     // the line's text that is not a colour
};

// The colours of a palette file's text, or the first fault.
PaletteFile ParsePalette(std::string_view text);

// The same for a file on disk.
PaletteFile ReadPaletteFile(const std::string& path);

// The fault in words, with the file name and the line, such as
// colours.txt:3: "#12g456" is not a colour (#rrggbb or rrggbb)
std::string DescribePaletteFault(const std::string& path, const PaletteFile& file);
