// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/bytes_options.h"

#include "core/device_settings.h"
#include "core/pixel_format.h"

namespace {

template <typename Choice>
struct Word {
    const char* pszWord;
    Choice choice;
};

constexpr Word<RgbOrder> kRgbOrders[] = {{"rgb", RgbOrder::Rgb}, {"bgr", RgbOrder::Bgr}};
constexpr Word<ByteOrder> kByteOrders[] = {{"little", ByteOrder::Little}, {"big", ByteOrder::Big}};
constexpr Word<MonoPacking> kPackings[] = {{"rows", MonoPacking::Rows}, {"pages", MonoPacking::Pages}};
constexpr Word<BitOrder> kBitOrders[] = {{"msb", BitOrder::Msb}, {"lsb", BitOrder::Lsb}};
constexpr Word<PaletteFormat> kPaletteFormats[] = {{"888", PaletteFormat::Rgb888}, {"565", PaletteFormat::Rgb565}};

template <typename Choice, std::size_t N>
std::optional<std::string> Choose(std::optional<Choice>& target, std::string_view option, const std::string& value,
                                  const Word<Choice> (&words)[N])
{
    for (const Word<Choice>& word : words) {
        if (value == word.pszWord) {
            target = word.choice;
            return {};
        }
    }
    return std::string(option) + " must be " + words[0].pszWord + " or " + words[1].pszWord + ", not '" + value + "'";
}

template <typename Choice, std::size_t N>
const char* WordOf(Choice choice, const Word<Choice> (&words)[N])
{
    for (const Word<Choice>& word : words)
        if (word.choice == choice) return word.pszWord;
    return "";
}

// The first layout option given that the format, or no format at all, does not use.
const char* OptionNotFor(const BytesOptions& options, const PixelFormat* format)
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

std::optional<std::string> SetBytesOption(BytesOptions& options, std::string_view option, const std::string& value)
{
    if (option == "--rgb-order") return Choose(options.rgbOrder, option, value, kRgbOrders);
    if (option == "--byte-order") return Choose(options.byteOrder, option, value, kByteOrders);
    if (option == "--pack") return Choose(options.packing, option, value, kPackings);
    if (option == "--bit-order") return Choose(options.bitOrder, option, value, kBitOrders);
    if (option == "--palette-format") return Choose(options.paletteFormat, option, value, kPaletteFormats);
    return "unknown option '" + std::string(option) + "'";
}

const char* OptionNotForMode(const BytesOptions& options, ColorMode mode)
{
    return OptionNotFor(options, FindPixelFormat(mode));
}

const char* FirstGivenOption(const BytesOptions& options)
{
    if (const char* option = OptionNotFor(options, nullptr)) return option;
    if (options.bStatic) return "--static";
    if (!options.strAttribute.empty()) return "--attribute";
    if (options.bFrames) return "--frames";
    return nullptr;
}

void KeepLayout(const BytesOptions& options, DeviceOutputChoices& kept)
{
    if (options.packing) kept.strPack = WordOf(*options.packing, kPackings);
    if (options.bitOrder) kept.strBitOrder = WordOf(*options.bitOrder, kBitOrders);
    if (options.byteOrder) kept.strByteOrder = WordOf(*options.byteOrder, kByteOrders);
    if (options.paletteFormat) kept.strPaletteFormat = WordOf(*options.paletteFormat, kPaletteFormats);
    if (options.rgbOrder) kept.strRgbOrder = WordOf(*options.rgbOrder, kRgbOrders);
    if (options.bInvert) kept.bInvert = true;
}

BytesOptions KeptLayout(const DeviceOutputChoices& kept)
{
    BytesOptions options;
    Choose(options.packing, "--pack", kept.strPack, kPackings);
    Choose(options.bitOrder, "--bit-order", kept.strBitOrder, kBitOrders);
    Choose(options.byteOrder, "--byte-order", kept.strByteOrder, kByteOrders);
    Choose(options.paletteFormat, "--palette-format", kept.strPaletteFormat, kPaletteFormats);
    Choose(options.rgbOrder, "--rgb-order", kept.strRgbOrder, kRgbOrders);
    options.bInvert = kept.bInvert;
    return options;
}

std::string DescribeLayout(ColorMode mode, const BytesOptions& options)
{
    const PixelFormat& format = *FindPixelFormat(mode);
    std::string text = "-m " + format.Word();
    if (format.PacksBits()) {
        text += std::string(" --pack ") + WordOf(options.GetPacking(), kPackings) + " --bit-order " +
                WordOf(options.GetBitOrder(), kBitOrders);
        if (options.bInvert) text += " --invert";
    } else if (format.nStorageBits == 16) {
        text += std::string(" --byte-order ") + WordOf(options.GetByteOrder(), kByteOrders);
    } else if (format.nStorageBits == 24) {
        text += std::string(" --rgb-order ") + WordOf(options.GetRgbOrder(), kRgbOrders);
    }
    if (format.UsesPalette()) {
        text += std::string(" --palette-format ") + WordOf(options.GetPaletteFormat(), kPaletteFormats);
        if (options.GetPaletteFormat() == PaletteFormat::Rgb565)
            text += std::string(" --byte-order ") + WordOf(options.GetByteOrder(), kByteOrders);
    }
    if (options.bFrames) text += " --frames";
    return text;
}
