// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"
#include "export/bytes_options.h"
#include "export/display_target.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

// The data a target's array holds, laid out by the target's row: its size,
// its bytes and the limits of its header.

// The bytes format's options that give the target's layout.
LayoutOptions TargetLayoutOptions(const TargetLayout& layout, bool bInvert);

// Whether a pixel takes four bytes: B, G, R, then 0xFF or the pixel's alpha.
bool FourBytes(const TargetLayout& layout, ColorMode mode);

// Whether the array holds 16-bit values rather than bytes.
bool WritesWords(const TargetLayout& layout, ColorMode mode);

// The bytes a row that LVGL's header gives: the colour plane's alone.
std::int64_t RowStride(const TargetLayout& layout, ColorMode mode, std::int64_t nWidth);

// LVGL's palette before the indices: 2^bits colours B, G, R, A.
std::int64_t PaletteBytes(ColorMode mode);

// Everything the target's array holds: a palette, then the data.
std::int64_t ArrayBytes(const TargetLayout& layout, ColorMode mode, std::int64_t nWidth, std::int64_t nHeight);

using TakeBlock = std::function<void(std::span<const std::uint8_t> block, bool bLast)>;

// The bytes as the target keeps them in memory, handed to take in blocks of
// whole multiples of nMultiple but the last, as PackBlocks hands them.
void ForEachDataBlock(const TargetLayout& layout, const ExportJob& job, std::size_t nMultiple, const TakeBlock& take);

// Why a picture is too large for what the target's header can hold, or
// nothing when it fits.
std::optional<std::string> TargetSizeRefusal(const DisplayTarget& target, const CapturedPicture& picture);
