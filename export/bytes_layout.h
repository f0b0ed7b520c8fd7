// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/captured_picture.h"
#include "export/bytes_options.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>


// Bytes of a picture of the given size in the mode's bytes layout.
std::int64_t BytesCount(ColorMode mode, std::int64_t nWidth, std::int64_t nHeight, const LayoutOptions& options);

// A picture, encoded and laid out as bytes.
std::vector<std::uint8_t> PackBytes(const CapturedPicture& picture, const LayoutOptions& options);

// PackBytes's bytes handed to take in order, a block at a time, so that a
// large picture's are never all held at once: each block but the last a
// multiple of nMultiple bytes, bLast with the last.
void PackBlocks(const CapturedPicture& picture, const LayoutOptions& options, std::size_t nMultiple,
                const std::function<void(std::span<const std::uint8_t> block, bool bLast)>& take);

// The encoded value of every pixel, rows from the top, from bytes laid out as
// PackBytes lays them out; bytes holds BytesCount of them.
std::vector<std::uint32_t> UnpackBytes(const std::vector<std::uint8_t>& bytes, ColorMode mode, std::int32_t nWidth,
                                       std::int32_t nHeight, const LayoutOptions& options);

// A palette format's palette as bytes, PaletteSize() entries, black after
// the picture's own colours: R, G, B, or a 5-6-5 word in the byte order.
std::vector<std::uint8_t> PackPalette(const CapturedPicture& picture, const LayoutOptions& options);

// Bytes of the palette of a mode in that layout; 0 for a mode without one.
std::int64_t PaletteBytesCount(ColorMode mode, const LayoutOptions& options);

// The colours a display shows for a palette stored as the options store it.
std::vector<std::uint32_t> ShownPalette(std::vector<std::uint32_t> palette, const LayoutOptions& options);

// The packed colours of palette bytes laid out as PackPalette lays them out.
std::vector<std::uint32_t> UnpackPalette(const std::vector<std::uint8_t>& bytes, const LayoutOptions& options);
