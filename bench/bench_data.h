// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"

#include <string>

class UserDialogs;

// The pictures and documents the benchmarks share, made once a run in a
// scratch folder that is removed at exit.
namespace bench {

inline constexpr ColorMode kAllModes[] = {ColorMode::Mono,   ColorMode::Colors64, ColorMode::Colors256,
                                          ColorMode::Rgb555, ColorMode::Rgb565,   ColorMode::Full};

// The -f values of tovix-export.
inline constexpr const char* kExportFormats[] = {"1", "2", "bytes"};

std::string ModeName(ColorMode mode);

// Dialogs that answer nothing and show nothing.
UserDialogs& Dialogs();

void CreateData();
void RemoveData();

const std::string& LargeBmpPath();     // 4096 x 4096, 48 MiB
const std::string& StoreBmpPath();     // 2048 x 1024, the largest the store holds
const std::string& StorePixelsPath();  // the same picture's pixel bytes alone
const std::string& DocumentPath();     // the same picture as a document
std::string ScratchPath(const std::string& name);

} // namespace bench
