// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"
#include "core/export_settings.h"

#include <cstdint>

// How many bytes a prepared picture takes in a display's flash: as many as
// its raw form, which -f bin writes, holds.
std::int64_t FlashBytes(const CapturedPicture& prepared, const ExportSettings& settings);
