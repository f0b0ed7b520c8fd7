// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>

// The readers of the tool's option values, and the words their messages use.

// A decimal number nMin..nMax, digits only.
std::optional<int> ParseInt(const std::string& text, int nMin, int nMax);

// Three numbers 0..255 separated by commas, red, green, blue: thresholds or a colour.
std::optional<std::array<int, 3>> ParseChannels(const std::string& text);

// "WxH", each side 1 to the largest a picture may have.
std::optional<std::pair<int, int>> ParseSize(const std::string& text);

// Takes a path option's value, which may not be empty; the error when it is.
std::optional<std::string> TakePath(std::optional<std::string>& target, const std::string& arg, const char* pszEmptyError);

// "a, b, c" as "a, b or c".
std::string ListInWords(std::string list);

// "a|b|c" as "a, b or c".
std::string ChoicesInWords(const std::string& choices);
