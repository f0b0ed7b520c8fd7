// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "export/text_reader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ExportJob;
struct CapturedPicture;
class TextWriter;

// What each display library named by --for takes. Every target is a row of
// the output-format table; these are the writers and readers the rows name.

// The colour modes each target takes.
bool IsMonoMode(ColorMode mode);
bool Is565Mode(ColorMode mode);
bool IsFullMode(ColorMode mode);
// Adafruit GFX: two colours, 565 and 8-bit grey; LVGL 9: 565, 24-bit, L8, I1
// to I8 and the alpha formats; LVGL 8 the same but L8.
bool IsAdafruitGfxMode(ColorMode mode);
bool IsLvgl9Mode(ColorMode mode);
bool IsLvgl8Mode(ColorMode mode);

// The C sources, one a target.
void WriteU8g2Source(TextWriter& out, const ExportJob& job);
void WriteAdafruitGfxSource(TextWriter& out, const ExportJob& job);
void WriteTftEspiSource(TextWriter& out, const ExportJob& job);
void WriteSsd1306Source(TextWriter& out, const ExportJob& job);
void WriteSh1106Source(TextWriter& out, const ExportJob& job);
void WriteXbmSource(TextWriter& out, const ExportJob& job);
void WriteLvgl9Source(TextWriter& out, const ExportJob& job);
void WriteLvgl9XrgbSource(TextWriter& out, const ExportJob& job);
void WriteLvgl8Source(TextWriter& out, const ExportJob& job);

// The headers --header writes beside those sources, with the size macros and
// extern declarations the sources then leave to them; X11 bitmaps have none,
// being included as they are.
void WriteU8g2Header(TextWriter& out, const ExportJob& job, const std::string& guard);
void WriteAdafruitGfxHeader(TextWriter& out, const ExportJob& job, const std::string& guard);
void WriteTftEspiHeader(TextWriter& out, const ExportJob& job, const std::string& guard);
void WriteSsd1306Header(TextWriter& out, const ExportJob& job, const std::string& guard);
void WriteSh1106Header(TextWriter& out, const ExportJob& job, const std::string& guard);
void WriteLvgl9Header(TextWriter& out, const ExportJob& job, const std::string& guard);
void WriteLvgl9XrgbHeader(TextWriter& out, const ExportJob& job, const std::string& guard);
void WriteLvgl8Header(TextWriter& out, const ExportJob& job, const std::string& guard);

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

// The same data as raw bytes, as the array holds them in memory (16-bit
// values low byte first); for LVGL 9 its .bin image file, header first.
void WriteXbmRowsBin(TextWriter& out, const ExportJob& job);
void WriteGfxBin(TextWriter& out, const ExportJob& job);
void WritePagesBin(TextWriter& out, const ExportJob& job);
void WriteLvgl9Bin(TextWriter& out, const ExportJob& job);
void WriteLvgl9XrgbBin(TextWriter& out, const ExportJob& job);
void WriteLvgl8Bin(TextWriter& out, const ExportJob& job);

// The raw bytes of -f bin without a target: the bytes format's layout.
void WriteBytesBin(TextWriter& out, const ExportJob& job);

// Why a picture is too large for what a target's header can hold (LVGL 8
// keeps 11 bits of width and height, LVGL 9 16 bits of them and of the row
// stride), or nothing when it fits.
std::optional<std::string> TargetSizeRefusal(std::string_view target, const CapturedPicture& picture);

// The first line of a target's source, which its reader makes again and compares.
std::string TargetSettingsLine(std::int64_t nWidth, std::int64_t nHeight, std::string_view target, ColorMode mode,
                               bool bInvert);

// --decode of a target's C source.
bool IsTargetStart(std::string_view first);
ReadError ReadTargetSource(std::string_view first, Lines& lines, PictureBuffer& picture);
