// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class RgbOrder { Rgb, Bgr };
enum class ByteOrder { Little, Big };
enum class MonoPacking { Rows, Pages };
enum class BitOrder { Msb, Lsb };
enum class PaletteFormat { Rgb888, Rgb565 };

// How the bytes layouts lay out a picture and declare its array. Options
// left unset take their defaults, which for the bit order depends on the
// packing; being unset also tells that the user did not ask for them.
struct LayoutOptions {
    std::optional<RgbOrder> rgbOrder;
    std::optional<ByteOrder> byteOrder;
    std::optional<MonoPacking> packing;
    std::optional<BitOrder> bitOrder;
    std::optional<PaletteFormat> paletteFormat;   // a palette format's colours: three bytes R, G, B or one 5-6-5 word
    bool bInvert = false;   // two colours: a set bit for white instead of black
    bool bStatic = false;
    bool bFrames = false;        // an array for each frame of an animation, and a table of them
    std::string strAttribute;    // written after the array's brackets
    std::string strHeaderInclude;   // the header the source includes; empty for none

    RgbOrder GetRgbOrder() const { return rgbOrder.value_or(RgbOrder::Rgb); }
    ByteOrder GetByteOrder() const { return byteOrder.value_or(ByteOrder::Little); }
    MonoPacking GetPacking() const { return packing.value_or(MonoPacking::Rows); }
    BitOrder GetBitOrder() const
    {
        return bitOrder.value_or(GetPacking() == MonoPacking::Pages ? BitOrder::Lsb : BitOrder::Msb);
    }
    PaletteFormat GetPaletteFormat() const { return paletteFormat.value_or(PaletteFormat::Rgb888); }
    bool operator==(const LayoutOptions&) const = default;
};

// Sets one of the options that take a word ("--rgb-order", "--byte-order",
// "--pack", "--bit-order", "--palette-format"). Returns the reason when the
// word is not one of the option's choices.
std::optional<std::string> SetLayoutOption(LayoutOptions& options, std::string_view option, const std::string& value);

// The word one of those options is set to, as the tool and a document spell
// it; empty when it is unset.
std::string LayoutWord(const LayoutOptions& options, std::string_view option);
