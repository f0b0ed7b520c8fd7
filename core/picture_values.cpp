// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/picture_values.h"

#include "core/luminance.h"
#include "core/palette_choice.h"
#include "core/pixel_format.h"

RgbImage RgbImageOf(const CapturedPicture& picture)
{
    RgbImage image(picture.nWidth, picture.nHeight);
    std::uint8_t* out = image.rgb.data();
    for (std::uint32_t packed : picture.pixels) {
        *out++ = static_cast<std::uint8_t>(packed);
        *out++ = static_cast<std::uint8_t>(packed >> 8);
        *out++ = static_cast<std::uint8_t>(packed >> 16);
    }
    return image;
}

namespace {

PaletteQuantiser QuantiserOf(const CapturedPicture& picture)
{
    std::vector<Rgb> colours;
    for (std::uint32_t packed : picture.palette)
        colours.push_back({static_cast<std::uint8_t>(packed), static_cast<std::uint8_t>(packed >> 8),
                           static_cast<std::uint8_t>(packed >> 16)});
    return PaletteQuantiser(std::move(colours));
}

// Undithered indices straight from the pixels, without the copy of the
// picture dithering needs; neighbours are mostly of one colour, so only a
// change of colour is looked up in the palette.
std::vector<std::uint32_t> NearestIndices(const CapturedPicture& picture)
{
    const PaletteQuantiser quantiser = QuantiserOf(picture);
    std::vector<std::uint32_t> values;
    values.reserve(picture.pixels.size());
    std::uint32_t nLastPixel = 0xFFFFFFFF;   // no packed pixel has a high byte
    std::uint32_t nLastIndex = 0;
    for (std::uint32_t nPixel : picture.pixels) {
        if (nPixel != nLastPixel) {
            nLastPixel = nPixel;
            nLastIndex = quantiser.Code(static_cast<int>(nPixel & 0xFF), static_cast<int>(nPixel >> 8 & 0xFF),
                                        static_cast<int>(nPixel >> 16));
        }
        values.push_back(nLastIndex);
    }
    return values;
}

std::vector<std::uint16_t> Codes(const CapturedPicture& picture, const PixelFormat& format, const ReductionSettings& settings)
{
    const RgbImage image = RgbImageOf(picture);
    switch (format.rule) {
    case ChannelRule::Threshold:
        if (settings.monoRule == ReductionSettings::MonoRule::Luminance)
            return Dither(LuminanceImage(image), LuminanceThreshold(settings.nLuminanceThreshold), settings.dither);
        return Dither(image, MonoChannelRule(picture.thresholds), settings.dither);
    case ChannelRule::Levels: return Dither(image, SixtyFourColours(picture.thresholds), settings.dither);
    case ChannelRule::HighBits:
        return Dither(image, MaskedChannels(format.mode, settings.bRound ? Rounding::Nearest : Rounding::Truncate),
                      settings.dither);
    case ChannelRule::Grey: return Dither(LuminanceImage(image), GreyScale(format.nStorageBits), settings.dither);
    case ChannelRule::Palette: return Dither(image, QuantiserOf(picture), settings.dither);
    }
    return {};
}

} // namespace

std::vector<std::uint32_t> EncodedValues(const CapturedPicture& picture, const ReductionSettings& settings)
{
    const PixelFormat* format = FindPixelFormat(picture.mode);
    // Full colour drops nothing, so nothing changes it.
    if (format == nullptr || format->nStorageBits == 24) return {};
    // Indices come only from here; the other formats encode pixel by pixel by default.
    if (settings.IsDefault() && !format->UsesPalette()) return {};
    if (format->UsesPalette() && settings.dither == DitherMethod::None) return NearestIndices(picture);
    std::vector<std::uint32_t> values;
    values.reserve(picture.pixels.size());
    // Two colours code white as 1; the export's value for it is the format's largest.
    const bool bMono = format->rule == ChannelRule::Threshold;
    for (std::uint16_t code : Codes(picture, *format, settings)) values.push_back(bMono && code != 0 ? format->nLargestValue : code);
    return values;
}

std::vector<std::uint32_t> PaletteFor(const CapturedPicture& picture, const ReductionSettings& settings)
{
    const PixelFormat* format = FindPixelFormat(picture.mode);
    if (format == nullptr || !format->UsesPalette()) return {};
    const std::vector<Rgb> colours =
        settings.palette.empty() ? ChoosePalette(RgbImageOf(picture), format->PaletteSize()) : settings.palette;
    std::vector<std::uint32_t> palette;
    for (const Rgb& colour : colours) palette.push_back(std::uint32_t{colour.b} << 16 | std::uint32_t{colour.g} << 8 | colour.r);
    return palette;
}

std::optional<std::string> ReductionError(const ReductionSettings& settings, ColorMode mode)
{
    const PixelFormat* format = FindPixelFormat(mode);
    if (format == nullptr) return {};
    const std::string forMode = " does not apply to colour mode " + format->Word();
    if (settings.dither != DitherMethod::None && format->nStorageBits == 24) return "--dither" + forMode + ", which keeps every colour";
    // Rounding spreads a channel's levels over 0..255: nothing to spread in a
    // channel of 8 bits, and none at all in one of 0 (a8 keeps no colour).
    if (settings.bRound && (format->rule != ChannelRule::HighBits || format->nStorageBits == 24 || format->bits.nRed == 0))
        return "--round" + forMode + "; it is for 8, 15 and 16";
    if (settings.monoRule == ReductionSettings::MonoRule::Luminance && format->rule != ChannelRule::Threshold)
        return "--mono" + forMode + "; it is for 1";
    if (!settings.palette.empty() && !format->UsesPalette()) return "--palette" + forMode + "; it is for index1, index2, index4 and index8";
    if (settings.palette.size() > static_cast<std::size_t>(format->PaletteSize()))
        return "--palette holds " + std::to_string(settings.palette.size()) + " colours, more than the " +
               std::to_string(format->PaletteSize()) + " of colour mode " + format->Word();
    return {};
}
