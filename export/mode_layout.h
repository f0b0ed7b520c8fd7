#pragma once

#include "core/color_mode.h"

// How the values of one colour mode are laid out in export text.
struct ModeLayout {
    ColorMode mode;
    const char* pszElementType;    // FORMAT_1 array element type
    const char* pszIdentifier;     // FORMAT_2 first-line identifier
    int nDigits;                   // hex digits a value; 2 for packed two-colour bytes
    int nPerLine;                  // values a line
    bool bByteArray;               // declared as bytes: the four-byte size prefix applies
};

// The layout of a mode, or null for a value outside the six.
const ModeLayout* FindModeLayout(ColorMode mode);
