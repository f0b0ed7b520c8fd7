// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct PixelFormat;

// A pixel format as the program names it to the user, "565 (16ﾋﾞｯﾄ)": in the
// device-export dialog and in the status bar alike.
QString PixelFormatLabel(const PixelFormat& format);
