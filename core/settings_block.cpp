// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_block.h"

#include "core/dib_image.h"

#include <bitset>
#include <string>

namespace {

// Tags are never renumbered: files in the field carry them.
enum Tag : std::uint16_t {
    kPixelFormat = 1,
    kDither = 2,
    kRound = 3,
    kMonoRule = 4,
    kLuminanceThreshold = 5,
    kPalette = 6,
    kTarget = 7,
    kPack = 8,
    kBitOrder = 9,
    kByteOrder = 10,
    kArrayName = 11,
    kHeader = 12,
    kFormat = 13,
    kTrim = 14,
    kPaletteFormat = 15,
    kRotation = 16,
    kFlip = 17,
    kResize = 18,
    kRgbOrder = 19,
    kInvert = 20,
    kMonoChannels = 21,   // kMonoRule's other value; earlier readers skip it and take the channels anyway
    kTagCount
};

constexpr std::size_t kMaxPaletteColours = 256;

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int nBytes)
{
    for (int i = 0; i < nBytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t GetLe(std::span<const std::uint8_t> bytes, std::size_t nAt, int nBytes)
{
    std::uint32_t value = 0;
    for (int i = nBytes - 1; i >= 0; --i) value = (value << 8) | bytes[nAt + i];
    return value;
}

class BlockWriter {
public:
    void Entry(Tag tag, std::span<const std::uint8_t> payload)
    {
        PutLe(m_entries, tag, 2);
        PutLe(m_entries, static_cast<std::uint32_t>(payload.size()), 4);
        m_entries.insert(m_entries.end(), payload.begin(), payload.end());
    }
    void Byte(Tag tag, std::uint8_t value) { Entry(tag, std::span(&value, 1)); }
    void Text(Tag tag, const std::string& text)
    {
        if (!text.empty()) Entry(tag, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    }
    std::vector<std::uint8_t> Block() const
    {
        std::vector<std::uint8_t> block;
        PutLe(block, static_cast<std::uint32_t>(m_entries.size()), 4);
        block.insert(block.end(), m_entries.begin(), m_entries.end());
        return block;
    }

private:
    std::vector<std::uint8_t> m_entries;
};

// A resize: width and height, two bytes each, then how it fits and its filter.
bool TakeResize(Geometry& geometry, std::span<const std::uint8_t> value)
{
    if (value.size() != 6) return false;
    geometry.nWidth = static_cast<std::int32_t>(GetLe(value, 0, 2));
    geometry.nHeight = static_cast<std::int32_t>(GetLe(value, 2, 2));
    if (value[4] > static_cast<int>(ResizeFit::Fill) || value[5] > static_cast<int>(ResizeFilter::Nearest)) return false;
    geometry.fit = static_cast<ResizeFit>(value[4]);
    geometry.filter = static_cast<ResizeFilter>(value[5]);
    return geometry.nWidth >= 1 && geometry.nWidth <= CDibImage::kMaxSide && geometry.nHeight >= 1 &&
           geometry.nHeight <= CDibImage::kMaxSide;
}

// Takes one entry's value into the settings; false when it is out of range.
bool TakeEntry(DeviceSettings& settings, std::uint16_t tag, std::span<const std::uint8_t> value)
{
    const std::string text(value.begin(), value.end());
    const bool bOneByte = value.size() == 1;
    switch (tag) {
    case kPixelFormat: settings.strPixelFormat = text; return !text.empty();
    case kDither:
        if (!bOneByte || value[0] > static_cast<int>(DitherMethod::Ordered)) return false;
        settings.reduction.dither = static_cast<DitherMethod>(value[0]);
        return true;
    case kRound: settings.reduction.bRound = true; return bOneByte && value[0] == 1;
    case kMonoRule:
    case kMonoChannels: {
        const bool bChosenTwice = settings.reduction.monoRule.has_value();
        settings.reduction.monoRule = tag == kMonoRule ? ReductionSettings::MonoRule::Luminance : ReductionSettings::MonoRule::Channels;
        return bOneByte && value[0] == 1 && !bChosenTwice;
    }
    case kLuminanceThreshold:
        settings.reduction.nLuminanceThreshold = bOneByte ? value[0] : 0;
        return bOneByte;
    case kPalette:
        if (value.empty() || value.size() % 3 != 0 || value.size() > 3 * kMaxPaletteColours) return false;
        for (std::size_t i = 0; i < value.size(); i += 3)
            settings.reduction.palette.push_back({value[i], value[i + 1], value[i + 2]});
        return true;
    case kTarget: settings.output.strTarget = text; return !text.empty();
    case kPack: settings.output.strPack = text; return !text.empty();
    case kBitOrder: settings.output.strBitOrder = text; return !text.empty();
    case kByteOrder: settings.output.strByteOrder = text; return !text.empty();
    case kArrayName: settings.output.strArrayName = text; return !text.empty();
    case kHeader: settings.output.bHeader = true; return bOneByte && value[0] == 1;
    case kFormat: settings.output.strFormat = text; return !text.empty();
    case kTrim: settings.geometry.bTrim = true; return bOneByte && value[0] == 1;
    case kRotation:
        if (!bOneByte || value[0] > static_cast<int>(Rotation::Clockwise270)) return false;
        settings.geometry.rotation = static_cast<Rotation>(value[0]);
        return true;
    case kFlip:
        settings.geometry.bFlipHorizontal = bOneByte && (value[0] & 1) != 0;
        settings.geometry.bFlipVertical = bOneByte && (value[0] & 2) != 0;
        return bOneByte && value[0] >= 1 && value[0] <= 3;
    case kResize: return TakeResize(settings.geometry, value);
    case kPaletteFormat: settings.output.strPaletteFormat = text; return !text.empty();
    case kRgbOrder: settings.output.strRgbOrder = text; return !text.empty();
    case kInvert: settings.output.bInvert = true; return bOneByte && value[0] == 1;
    }
    return true;   // a later version's setting
}

} // namespace

std::vector<std::uint8_t> SettingsBlock(const DeviceSettings& settings)
{
    const DeviceSettings defaults;
    const ReductionSettings& reduction = settings.reduction;
    BlockWriter writer;
    writer.Text(kPixelFormat, settings.strPixelFormat);
    if (reduction.dither != defaults.reduction.dither) writer.Byte(kDither, static_cast<std::uint8_t>(reduction.dither));
    if (reduction.bRound) writer.Byte(kRound, 1);
    if (reduction.monoRule) writer.Byte(*reduction.monoRule == ReductionSettings::MonoRule::Luminance ? kMonoRule : kMonoChannels, 1);
    if (reduction.nLuminanceThreshold != defaults.reduction.nLuminanceThreshold)
        writer.Byte(kLuminanceThreshold, static_cast<std::uint8_t>(reduction.nLuminanceThreshold));
    if (!reduction.palette.empty()) {
        std::vector<std::uint8_t> colours;
        for (const Rgb& colour : reduction.palette) colours.insert(colours.end(), {colour.r, colour.g, colour.b});
        writer.Entry(kPalette, colours);
    }
    writer.Text(kTarget, settings.output.strTarget);
    writer.Text(kPack, settings.output.strPack);
    writer.Text(kBitOrder, settings.output.strBitOrder);
    writer.Text(kByteOrder, settings.output.strByteOrder);
    writer.Text(kArrayName, settings.output.strArrayName);
    if (settings.output.bHeader) writer.Byte(kHeader, 1);
    writer.Text(kFormat, settings.output.strFormat);
    const Geometry& geometry = settings.geometry;
    if (geometry.bTrim) writer.Byte(kTrim, 1);
    if (geometry.rotation) writer.Byte(kRotation, static_cast<std::uint8_t>(*geometry.rotation));
    if (geometry.bFlipHorizontal || geometry.bFlipVertical)
        writer.Byte(kFlip, static_cast<std::uint8_t>((geometry.bFlipHorizontal ? 1 : 0) | (geometry.bFlipVertical ? 2 : 0)));
    if (geometry.Resizes()) {
        std::vector<std::uint8_t> resize;
        PutLe(resize, static_cast<std::uint32_t>(geometry.nWidth), 2);
        PutLe(resize, static_cast<std::uint32_t>(geometry.nHeight), 2);
        resize.insert(resize.end(), {static_cast<std::uint8_t>(geometry.fit), static_cast<std::uint8_t>(geometry.filter)});
        writer.Entry(kResize, resize);
    }
    writer.Text(kPaletteFormat, settings.output.strPaletteFormat);
    writer.Text(kRgbOrder, settings.output.strRgbOrder);
    if (settings.output.bInvert) writer.Byte(kInvert, 1);
    return writer.Block();
}

std::optional<DeviceSettings> ReadSettingsBlock(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 4 || GetLe(bytes, 0, 4) != bytes.size() - 4) return std::nullopt;
    DeviceSettings settings;
    std::bitset<kTagCount> seen;
    for (std::size_t nAt = 4; nAt < bytes.size();) {
        if (bytes.size() - nAt < 6) return std::nullopt;
        const std::uint16_t tag = static_cast<std::uint16_t>(GetLe(bytes, nAt, 2));
        const std::uint32_t nLength = GetLe(bytes, nAt + 2, 4);
        nAt += 6;
        if (nLength > bytes.size() - nAt) return std::nullopt;
        if (tag < kTagCount) {
            if (seen[tag]) return std::nullopt;
            seen[tag] = true;
        }
        if (!TakeEntry(settings, tag, bytes.subspan(nAt, nLength))) return std::nullopt;
        nAt += nLength;
    }
    return settings;
}
