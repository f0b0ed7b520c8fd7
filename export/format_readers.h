// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/text_reader.h"

#include <string_view>

// One reader a text format: each takes the export's first line, already
// read, and the lines after it, and fills the picture.

bool IsFormat1Start(std::string_view first);
ReadError ReadFormat1(std::string_view first, Lines& lines, PictureBuffer& picture);

bool IsFormat2Start(std::string_view first);
ReadError ReadFormat2(std::string_view first, Lines& lines, PictureBuffer& picture);

bool IsBytesFormatStart(std::string_view first);
ReadError ReadBytesFormat(std::string_view first, Lines& lines, PictureBuffer& picture);
