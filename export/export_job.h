// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"
#include "export/bytes_options.h"

#include <string>
#include <vector>

// One frame of an animation and how long it shows.
struct ExportFrame {
    CapturedPicture picture;
    int nDelayMs = 0;
};

// What one export writes: the picture, the export name (UTF-8) and, for the
// byte layouts, how the bytes are laid out and declared; with --frames,
// every frame, the picture being the first.
struct ExportJob {
    CapturedPicture picture;
    std::string exportName;
    LayoutOptions bytes;
    std::vector<ExportFrame> frames = {};
};
