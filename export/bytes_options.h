// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "core/layout_options.h"

#include <string>

// The first layout option given that the colour mode does not use, or null;
// "--pack pages" for pixels of 2 or 4 bits, which only rows hold.
const char* OptionNotForMode(const LayoutOptions& options, ColorMode mode);

// The first option given at all but the header, or null; they all belong to
// the bytes format.
const char* FirstGivenOption(const LayoutOptions& options);

// The settings a reader needs, as the tool's own options: the colour mode and
// every layout option of that mode, defaults spelled out.
std::string DescribeLayout(ColorMode mode, const LayoutOptions& options);
