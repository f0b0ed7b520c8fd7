// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/text_reader.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ExportJob;
class TextWriter;

// Three-colour e-paper panels (black, white and red or yellow), as GxEPD2's
// drawImage(black, colour, ...) and Waveshare's drivers take them: two
// planes of one bit a pixel, rows from the top, (width + 7) / 8 bytes a row,
// the leftmost pixel in bit 7. A 0 bit is ink and a 1 bit is white, as the
// panels' memory holds it; a pixel in the colour ink is white in the black
// plane. The writers take the picture reduced to the panel's inks
// (ReducedFor): each value indexes the inks of EpaperInks.

// The C source with both arrays, and the two planes one after the other.
void WriteEpaperRedSource(TextWriter& out, const ExportJob& job);
void WriteEpaperYellowSource(TextWriter& out, const ExportJob& job);
void WriteEpaperBin(TextWriter& out, const ExportJob& job);
// The header --header writes, declaring both arrays.
void WriteEpaperRedHeader(TextWriter& out, const ExportJob& job, const std::string& guard);
void WriteEpaperYellowHeader(TextWriter& out, const ExportJob& job, const std::string& guard);

// The panel's inks, packed 0x00BBGGRR, in the order ties go: white, black,
// then the colour ink. Each pixel becomes the nearest (squared distance in
// R, G, B), or is dithered among them. Empty for any other target.
std::vector<std::uint32_t> EpaperInks(std::string_view target);

// Whether the --for word names an e-paper target.
bool IsEpaperTarget(std::string_view target);

// --decode of an e-paper source after its first line: the picture in black,
// white and the ink.
ReadError ReadEpaperPlanes(std::string_view target, std::int32_t nWidth, std::int32_t nHeight, Lines& lines,
                           PictureBuffer& picture);
