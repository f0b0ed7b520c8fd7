// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/display_target.h"

#include <string>

// The targets that draw rows of pixels from the top: u8g2 and X11 take XBM
// rows, Adafruit GFX its drawBitmap, drawGrayscaleBitmap and drawRGBBitmap
// arrays, TFT_eSPI pushImage's RGB565 values.
void WriteU8g2Source(TextWriter& out, const ExportJob& job, const DisplayTarget& target);
void WriteXbmSource(TextWriter& out, const ExportJob& job, const DisplayTarget& target);
void WriteAdafruitGfxSource(TextWriter& out, const ExportJob& job, const DisplayTarget& target);
void WriteTftEspiSource(TextWriter& out, const ExportJob& job, const DisplayTarget& target);

// u8g2's header: the XBM macros and the bits array, which the source then
// defines without static. X11 bitmaps have none, being included as they are.
void WriteU8g2Header(TextWriter& out, const ExportJob& job, const DisplayTarget& target, const std::string& guard);

// Adafruit GFX's raw bytes: the array, then drawRGBBitmap's mask for RGB565
// with one bit of alpha.
void WriteAdafruitGfxBin(TextWriter& out, const ExportJob& job, const DisplayTarget& target);
