// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/text_reader.h"

#include <string_view>

struct ExportJob;
class TextWriter;

// Three-colour e-paper panels (black, white and red or yellow), as GxEPD2's
// drawImage(black, colour, ...) and Waveshare's drivers take them: two
// planes of one bit a pixel, rows from the top, (width + 7) / 8 bytes a row,
// the leftmost pixel in bit 7. A 0 bit is ink and a 1 bit is white, as the
// panels' memory holds it; a pixel in the colour ink is white in the black
// plane. Each pixel becomes the nearest of the three colours (squared
// distance in R, G, B; white first, then black, among equals), or is
// dithered among them.

// The C source with both arrays, and the two planes one after the other.
void WriteEpaperRedSource(TextWriter& out, const ExportJob& job);
void WriteEpaperYellowSource(TextWriter& out, const ExportJob& job);
void WriteEpaperRedBin(TextWriter& out, const ExportJob& job);
void WriteEpaperYellowBin(TextWriter& out, const ExportJob& job);

// Whether the --for word names an e-paper target.
bool IsEpaperTarget(std::string_view target);

// --decode of an e-paper source after its first line: the picture in black,
// white and the ink.
ReadError ReadEpaperPlanes(std::string_view target, std::int32_t nWidth, std::int32_t nHeight, Lines& lines,
                           PictureBuffer& picture);
