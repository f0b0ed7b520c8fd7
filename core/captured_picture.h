// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"
#include "core/pixel_encoder.h"
#include "core/thresholds.h"

#include <cstdint>
#include <span>
#include <vector>

class CDibImage;

// A picture as the writers take it: its size, pixel format, thresholds and
// a read-only view of its packed 0x00BBGGRR pixels, rows from the top. It
// borrows the pixels: the document or buffer it came from must outlive it.
struct CapturedPicture {
    std::int32_t nWidth = 0;
    std::int32_t nHeight = 0;
    ColorMode mode = ColorMode::Full;
    Thresholds thresholds{128, 128, 128};
    std::span<const std::uint32_t> pixels;
    // The encoded values, where reduction settings made them for the whole
    // picture (EncodedValues); empty when each pixel is encoded on its own.
    std::span<const std::uint32_t> values;
    // A palette format's colours, packed like the pixels, at most
    // PaletteSize() of them (PaletteFor); the values index them, and an
    // export fills the palette up to its size with black.
    std::span<const std::uint32_t> palette = {};
    // Each pixel's 8-bit alpha, for the formats that keep it; empty when the
    // picture is opaque or laid on its background.
    std::span<const std::uint8_t> alpha = {};

    std::int64_t PixelCount() const { return static_cast<std::int64_t>(nWidth) * nHeight; }
    PixelEncoder MakeEncoder() const { return PixelEncoder(mode, thresholds); }

    // The encoded value of pixel i, from the encoder made by MakeEncoder.
    std::uint32_t Value(std::size_t i, const PixelEncoder& encoder) const
    {
        return values.empty() ? encoder.Encode(pixels[i]) : values[i];
    }
    std::uint8_t Alpha(std::size_t i) const { return alpha.empty() ? 0xFF : alpha[i]; }
};

// A picture that owns its pixels, such as one read back from an export.
struct PictureBuffer {
    std::int32_t nWidth = 0;
    std::int32_t nHeight = 0;
    ColorMode mode = ColorMode::Full;
    std::vector<std::uint32_t> pixels;
    // A palette format's palette and indices as the export holds them, so that
    // a picture read back writes the same file again.
    std::vector<std::uint32_t> palette;
    std::vector<std::uint32_t> values;
    // Each pixel's alpha, as an export that keeps it holds it; empty otherwise.
    std::vector<std::uint8_t> alpha;

    CapturedPicture View() const { return {nWidth, nHeight, mode, {128, 128, 128}, pixels, values, palette, alpha}; }
};

// Builds both copies of a working bitmap from a picture's pixels. Returns
// false when memory runs out.
bool MakeBitmap(const CapturedPicture& picture, CDibImage& image);

// Packs the source copy of a working bitmap into store entries, rows from
// the top; the store holds width x height entries.
void CapturePixels(const CDibImage& image, std::uint32_t* pStore);
