// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"
#include "core/color_mode.h"
#include "export/display_target.h"

#include <cstdint>
#include <string>
#include <vector>

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

// "const uint16_t NAME[N] PROGMEM": the data array's declaration and definition share it.
std::string DataDeclarator(const std::string& name, const ExportJob& job, const DisplayTarget& target);

// drawRGBBitmap's mask array, declared and defined alike.
std::string MaskDeclarator(const std::string& name, const CapturedPicture& picture);

// The size macros, the data array's declaration, which gives a const array
// external linkage in C++ too, or the header that holds them, then the
// array's definition.
void WriteExternArray(TextWriter& out, const std::string& name, const ExportJob& job, const DisplayTarget& target);

// Whether --header writes a header that the source includes.
bool HasHeader(const ExportJob& job);

// The source's first line, which its header begins with too.
std::string TargetHeaderLine(const DisplayTarget& target, const ExportJob& job);

// A header: the source's first line, then an include guard around the
// declarations.
void WriteTargetHeader(TextWriter& out, const std::string& firstLine, const std::string& guard,
                       const std::string& declarations);

// What a source writes before its definitions: the declarations, or, when a
// header holds them, the include of that header.
std::string DeclarationsOrInclude(const ExportJob& job, const std::string& declarations);

// What a source of C arrays declares before defining them: <stdint.h>,
// PROGMEM, NAME_WIDTH and NAME_HEIGHT, and each declarator extern.
std::string ArrayDeclarations(const std::string& name, const CapturedPicture& picture,
                              const std::vector<std::string>& declarators);

// The header of an Adafruit GFX, TFT_eSPI or page-layout source: every array
// it defines, the data, then drawRGBBitmap's mask.
void WriteGfxHeader(TextWriter& out, const ExportJob& job, const DisplayTarget& target, const std::string& guard);
