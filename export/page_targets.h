// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/display_target.h"

// Monochrome OLED controllers that take pages of 8 rows, one byte a column:
// the SSD1306 in one stream, the SH1106 a page at a time.
void WriteSsd1306Source(TextWriter& out, const ExportJob& job, const DisplayTarget& target);
void WriteSh1106Source(TextWriter& out, const ExportJob& job, const DisplayTarget& target);
