// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The picture import's dialog filters: "画像ﾌｧｲﾙ" with every readable
// extension, then one filter per format, then all files.
std::string PictureDialogFilters();
