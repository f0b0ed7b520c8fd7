// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/bytes_options.h"

#include "core/pixel_format.h"

namespace {

// The first layout option given that the format, or no format at all, does not use.
const char* OptionNotFor(const LayoutOptions& options, const PixelFormat* format)
{
    const int nBits = format != nullptr ? format->nStorageBits : 0;
    const bool bPacked = format != nullptr && format->PacksBits();
    const bool bPalette = format != nullptr && format->UsesPalette();
    const bool bWords = nBits == 16 || (bPalette && options.GetPaletteFormat() == PaletteFormat::Rgb565);
    if (options.rgbOrder && nBits != 24) return "--rgb-order";
    if (options.byteOrder && !bWords) return "--byte-order";
    if (options.packing && !bPacked) return "--pack";
    if (options.bitOrder && !bPacked) return "--bit-order";
    if (options.bInvert && !(format != nullptr && format->rule == ChannelRule::Threshold)) return "--invert";
    if (options.paletteFormat && !bPalette) return "--palette-format";
    // A page byte holds one bit of eight rows; displays of 2 or 4 bits a pixel take rows.
    if (options.GetPacking() == MonoPacking::Pages && nBits > 1 && bPacked) return "--pack pages";
    return nullptr;
}

} // namespace

const char* OptionNotForMode(const LayoutOptions& options, ColorMode mode)
{
    return OptionNotFor(options, FindPixelFormat(mode));
}

const char* FirstGivenOption(const LayoutOptions& options)
{
    if (const char* option = OptionNotFor(options, nullptr)) return option;
    if (options.bStatic) return "--static";
    if (!options.strAttribute.empty()) return "--attribute";
    if (options.bFrames) return "--frames";
    return nullptr;
}

std::string DescribeLayout(ColorMode mode, const LayoutOptions& options)
{
    // Every option of the mode, its default spelled out.
    LayoutOptions spelled = options;
    spelled.packing = options.GetPacking();
    spelled.bitOrder = options.GetBitOrder();
    spelled.byteOrder = options.GetByteOrder();
    spelled.rgbOrder = options.GetRgbOrder();
    spelled.paletteFormat = options.GetPaletteFormat();
    const auto option = [&spelled](const char* pszOption) { return std::string(" ") + pszOption + " " + LayoutWord(spelled, pszOption); };
    const PixelFormat& format = *FindPixelFormat(mode);
    std::string text = "-m " + format.Word();
    if (format.PacksBits()) {
        text += option("--pack") + option("--bit-order");
        if (options.bInvert) text += " --invert";
    } else if (format.nStorageBits == 16) {
        text += option("--byte-order");
    } else if (format.nStorageBits == 24) {
        text += option("--rgb-order");
    }
    if (format.UsesPalette()) {
        text += option("--palette-format");
        if (options.GetPaletteFormat() == PaletteFormat::Rgb565) text += option("--byte-order");
    }
    if (options.bFrames) text += " --frames";
    return text;
}
