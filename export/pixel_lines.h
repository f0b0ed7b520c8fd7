// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"
#include "export/mode_layout.h"

#include <optional>
#include <string>

class TextWriter;

// The pixel values of a picture, laid out the way both formats share: one
// value per pixel with the row and line breaks, or for two colours the
// packed row bytes. A picture of no pixels writes nothing.
void WritePixelLines(TextWriter& out, const CapturedPicture& picture, const ModeLayout& layout, bool bValuePrefix);

class Lines;
struct PictureBuffer;

// Reads back what WritePixelLines wrote for a picture of the given size,
// then the array's end ("};" when bClosingLine), into the picture.
std::optional<std::string> ReadPixelLines(Lines& lines, const ModeLayout& layout, std::int64_t nWidth,
                                          std::int64_t nHeight, bool bValuePrefix, bool bClosingLine,
                                          PictureBuffer& picture);
