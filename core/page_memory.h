// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// Zeroed memory for pictures and the pixel store, taken straight from the
// system and backed by huge pages where it offers them: a 4096 x 4096
// picture then costs a few dozen page faults instead of tens of thousands.
// Sanitizer builds use the ordinary heap, whose overruns they can see.
void* AllocatePages(std::size_t nSize);

// Returns memory from AllocatePages; the size must be the one asked for.
void FreePages(void* p, std::size_t nSize);
