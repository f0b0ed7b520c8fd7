// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/mode_layout.h"

#include <cstdint>
#include <string>

struct ExportJob;
class TextWriter;

// FORMAT_2: the mode's identifier with width and height, then the picture
// as a comma list. Nothing at all for a mode outside the six.
void WriteFormat2(TextWriter& out, const ExportJob& job);

// The first line, without its line end, which the reader makes again and compares.
std::string Format2FirstLine(const ModeLayout& layout, std::int64_t nWidth, std::int64_t nHeight);
