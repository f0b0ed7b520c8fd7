// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The name an export offers as file name and FORMAT_1 uses for its array:
// the document title with every "tvx" (lower case only) and then every "."
// removed.
std::string MakeExportName(const std::string& title);

// A name made into a C identifier: every byte that is no ASCII letter, digit
// or "_" becomes "_", a leading digit gets a "_" before it, an empty name
// becomes "image", and a reserved name (IsReservedName) gets "_img" after it.
std::string MakeCIdentifier(const std::string& name);

// FORMAT_1's array name (UTF-8): only the ASCII bytes that can never stand in
// a C identifier become "_", a leading ASCII digit gets a "_" before it and a
// reserved name gets "_img" after it; other characters are left to the
// code-page-932 conversion.
std::string MakeFormat1Identifier(const std::string& name);

// Why a name the user chose cannot name an array, or nothing when it can.
std::optional<std::string> ChosenNameError(const std::string& name);
