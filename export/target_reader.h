// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/text_reader.h"

#include <string_view>

// --decode of a display target's C source: the first line names the target
// and its mode, whose row says how to read the arrays after it.
bool IsTargetStart(std::string_view first);
ReadError ReadTargetSource(std::string_view first, Lines& lines, PictureBuffer& picture);
