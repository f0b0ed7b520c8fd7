// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/bytes_options.h"

#include <cstdint>
#include <string>

struct ExportJob;
class TextWriter;

// The bytes format: a C source holding the picture as one uint8_t array in
// a display driver's layout, after a comment line that states the size and
// layout in the tool's own options and the two size macros, or an include
// of the header that holds them. A palette format's palette comes first, in
// an array of its own named NAME_palette.
void WriteBytesSource(TextWriter& out, const ExportJob& job);

// The raw bytes of -f bin: the same layout, a palette format's palette first.
void WriteBytesBin(TextWriter& out, const ExportJob& job);

// The header for such a source: include guard, size macros and the array's
// extern declaration.
void WriteBytesHeader(TextWriter& out, const ExportJob& job, const std::string& guard);

// The first line, without its line end, which the reader makes again and compares.
std::string BytesSettingsLine(std::int64_t nWidth, std::int64_t nHeight, ColorMode mode, const LayoutOptions& options);

// Lines that make a memory attribute macro work everywhere: avr-libc's
// header on AVR, where it defines PROGMEM, and an empty macro elsewhere.
std::string ProgmemPrologue(const std::string& macro);

// The lines around declarations in a header that C++ includes too.
extern const char* const kExternCBegin;
extern const char* const kExternCEnd;

// What the palette array's name adds to the export name.
extern const char* const kPaletteSuffix;

// The include guard of a header file: its name as an upper-case identifier.
std::string HeaderGuard(const std::string& headerPath);
