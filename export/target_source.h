// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "export/display_target.h"

#include <cstdint>
#include <string>

// The parts every target's C source shares: the first line, the comment
// saying how to draw the data, and the array in the target's layout.

constexpr int kTargetBytesPerLine = 16;

// The first line of a target's source, which its reader makes again and compares.
std::string TargetSettingsLine(std::int64_t nWidth, std::int64_t nHeight, const DisplayTarget& target, ColorMode mode,
                               bool bInvert);

// The first line and the comment saying how to draw the data.
void WriteTargetOpening(TextWriter& out, const DisplayTarget& target, const ExportJob& job, const std::string& howTo);

// "1 byte", "2 bytes": a narrow picture's comment reads right too.
std::string Counted(std::int64_t n, const std::string& noun);

// What a set bit of two-colour data means.
std::string MonoMeaning(const ExportJob& job);

// The array's values, as bytes or as 16-bit words, a line each 16 or 12.
void WriteTargetData(TextWriter& out, const ExportJob& job, const DisplayTarget& target);

// The array's bytes as they are: the raw form of a target whose array is all it writes.
void WriteTargetRawData(TextWriter& out, const ExportJob& job, const DisplayTarget& target);

// The size macros, the array's declaration, which gives a const array
// external linkage in C++ too, and its definition.
void WriteExternArray(TextWriter& out, const std::string& name, const char* pszType, const ExportJob& job,
                      const DisplayTarget& target);
