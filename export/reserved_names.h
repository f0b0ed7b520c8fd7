// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// Whether an identifier is a keyword of C23 or C++23, which no array can be named.
bool IsKeyword(std::string_view identifier);

// Whether an identifier is a keyword or a name the C standard library
// declares: an array of a library name fails to compile beside its header,
// or takes the library's place when the program is linked.
bool IsReservedName(std::string_view identifier);
