// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// UTF-8 text as code page 932 (Shift-JIS) bytes, the encoding of export files.
// A character with no code-page-932 form, or a byte that is no valid UTF-8,
// becomes "?".
std::string ToCodePage932(std::string_view utf8);
