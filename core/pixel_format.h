// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/color_mode.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// How a format turns a channel value into its part of the encoded value.
enum class ChannelRule {
    Threshold,   // one bit for the whole pixel: black where every channel is below its threshold
    Levels,      // four levels a channel, split at half, threshold and upper half
    HighBits,    // the channel's high bits
    Grey,        // the pixel's luminance, to the nearest of 2^bits evenly spread greys
    Palette,     // the index of a palette colour
};

// How many bits of each channel the encoded value holds.
struct ChannelBits {
    int nRed;
    int nGreen;
    int nBlue;
};

// Everything the program, the tool and the exports know about one pixel
// format. Adding a format is a row here and, for a new rule, its kernel.
struct PixelFormat {
    ColorMode mode;            // the value a document stores and FORMAT_1 prints
    const char* pszName;       // the tool's word for it, beside the number
    ChannelRule rule;
    ChannelBits bits;          // {0,0,0} for the one-bit threshold rule
    int nStorageBits;          // bits a pixel takes in a byte layout: 1, 2, 4, 8, 16 or 24; its colour alone with alpha
    std::uint32_t nLargestValue;
    bool bNamedOnly = false;   // not one of the six numbered modes of documents, FORMAT_1 and FORMAT_2
    int nAlphaBits = 0;        // kept beside the colour (its own plane or byte), not laid on a background

    // The -m number, as FORMAT_1's header and the document print it.
    int Number() const { return static_cast<int>(mode); }
    // How the tool's messages and settings lines name it: the number, or the
    // name of a format that has none to show.
    std::string Word() const { return bNamedOnly ? pszName : std::to_string(Number()); }
    int BytesPerPixel() const { return nStorageBits / 8; }
    bool PacksBits() const { return nStorageBits < 8; }
    // Whether the thresholds decide the encoded value.
    bool UsesThresholds() const { return rule == ChannelRule::Threshold || rule == ChannelRule::Levels; }
    bool UsesPalette() const { return rule == ChannelRule::Palette; }
    // Entries of a palette format's palette, written whether used or not.
    int PaletteSize() const { return UsesPalette() ? 1 << nStorageBits : 0; }
    bool KeepsAlpha() const { return nAlphaBits > 0; }
};

// Every format, in the order the tool lists them.
std::span<const PixelFormat> PixelFormats();

// The row of a mode, or null for a value outside the table (a document file
// can bring any 16-bit value).
const PixelFormat* FindPixelFormat(ColorMode mode);

// The row a word names, by name or, for the six numbered modes, by number; or null.
const PixelFormat* FindPixelFormat(std::string_view word);

// How the tool names a mode: its row's Word(), or the number of a mode
// outside the table.
std::string ModeWord(ColorMode mode);

// "1, 6, 8 ...", "mono, 64, 256 ..." and "grey1, grey2 ...": the numbers and
// names of the six numbered modes, and the names of the others, for help and errors.
std::string PixelFormatNumbers();
std::string PixelFormatNames(bool bNamedOnly);
