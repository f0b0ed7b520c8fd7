// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/display_target.h"

#include <string>

// LVGL's images: a C source with the data and its image descriptor, and
// the library's .bin image file, header first. LVGL 9 writes full colour
// as RGB888 or, when the target's layout has a fourth byte, XRGB8888.
void WriteLvgl9Source(TextWriter& out, const ExportJob& job, const DisplayTarget& target);
void WriteLvgl8Source(TextWriter& out, const ExportJob& job, const DisplayTarget& target);
void WriteLvgl9Bin(TextWriter& out, const ExportJob& job, const DisplayTarget& target);
void WriteLvgl8Bin(TextWriter& out, const ExportJob& job, const DisplayTarget& target);

// The header that declares the image descriptor, as LV_IMAGE_DECLARE and
// LV_IMG_DECLARE do; the source then includes it instead of lvgl.h.
void WriteLvgl9Header(TextWriter& out, const ExportJob& job, const DisplayTarget& target, const std::string& guard);
void WriteLvgl8Header(TextWriter& out, const ExportJob& job, const DisplayTarget& target, const std::string& guard);
