// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"

#include <cstdint>

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

// Number of data elements FORMAT_1 declares for a picture of that size:
// bytes for two colours, else pixels.
std::int64_t DataElementCount(const ModeLayout& layout, std::int64_t nWidth, std::int64_t nHeight);

// Whether FORMAT_1's array starts with the four-byte size prefix
// (WH,WL,HH,HL) instead of "W,H,".
bool HasLongSizePrefix(const ModeLayout& layout, std::int64_t nWidth, std::int64_t nHeight);
