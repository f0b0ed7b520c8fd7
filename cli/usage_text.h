// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The usage text for --help, made from the option table.
std::string UsageText();
