// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

class CDibImage;

// Writes the source copy of the working bitmap to an open file as a PNG
// picture, 8 bits a channel, no transparency. Returns false when the picture
// cannot be encoded or the write fails.
bool WritePng(std::FILE* file, const CDibImage& image);
