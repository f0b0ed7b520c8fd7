// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The name an export offers as file name and FORMAT_1 uses for its array:
// the document title with every "tvx" (lower case only) and then every "."
// removed.
std::string MakeExportName(const std::string& title);

// A name made into a C identifier: every byte that is no ASCII letter, digit
// or "_" becomes "_", a leading digit gets a "_" before it, and an empty name
// becomes "image".
std::string MakeCIdentifier(const std::string& name);

// FORMAT_1's array name (UTF-8): only the ASCII bytes that can never stand in
// a C identifier become "_" and a leading ASCII digit gets a "_" before it;
// other characters are left to the code-page-932 conversion.
std::string MakeFormat1Identifier(const std::string& name);
