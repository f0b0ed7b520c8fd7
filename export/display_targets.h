// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/display_target.h"

#include <span>
#include <string_view>

// The display libraries --for names, one row each, in the order --list-targets gives them.
std::span<const DisplayTarget> DisplayTargets();

// The row a --for word names, or null.
const DisplayTarget* FindDisplayTarget(std::string_view word);
