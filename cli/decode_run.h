// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/export_request.h"

// Carries out tovix-export --decode: reads an export back and writes the
// picture it holds as a BMP file, or PNG for a path ending in .png. Returns
// the process exit status.
int RunDecodeRequest(const DecodeRequest& request);

// Where --decode writes by default: the whole name with ".png" added, so
// that "logo.c" never lands on "logo.png" or "logo.bmp", the names of the
// picture it was made from.
std::string DefaultDecodeOutput(const std::string& input);
