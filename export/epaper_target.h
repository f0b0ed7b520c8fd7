// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/display_target.h"
#include "export/text_reader.h"

#include <cstdint>
#include <string>
#include <vector>

// Three-colour e-paper panels (black, white and red or yellow), as GxEPD2's
// drawImage(black, colour, ...) and Waveshare's drivers take them: two
// planes of one bit a pixel, rows from the top, (width + 7) / 8 bytes a row,
// the leftmost pixel in bit 7. A 0 bit is ink and a 1 bit is white, as the
// panels' memory holds it; a pixel in the colour ink is white in the black
// plane. The writers take the picture reduced to the panel's inks
// (ReducedFor): each value indexes the inks of EpaperInks.

// The C source with both arrays, and the two planes one after the other;
// the target's pInk names the colour plane.
void WriteEpaperSource(TextWriter& out, const ExportJob& job, const DisplayTarget& target);
void WriteEpaperBin(TextWriter& out, const ExportJob& job, const DisplayTarget& target);
// The header --header writes, declaring both arrays.
void WriteEpaperHeader(TextWriter& out, const ExportJob& job, const DisplayTarget& target, const std::string& guard);

// The panel's inks, packed 0x00BBGGRR, in the order ties go: white, black,
// then the colour ink. Each pixel becomes the nearest (squared distance in
// R, G, B), or is dithered among them.
std::vector<std::uint32_t> EpaperInks(const PanelInk& ink);

// --decode of an e-paper source after its first line: the picture in black,
// white and the ink.
ReadError ReadEpaperPlanes(const PanelInk& ink, std::int32_t nWidth, std::int32_t nHeight, Lines& lines,
                           PictureBuffer& picture);
