// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_block.h"

#include "core/dib_image.h"
#include "core/pixel_format.h"

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

// A layout option's word; one this build does not know leaves it unset.
bool TakeLayoutWord(LayoutOptions& layout, const char* pszOption, const std::string& word)
{
    SetLayoutOption(layout, pszOption, word);
    return !word.empty();
}

// Takes one entry's value into the settings; false when it is out of range.
bool TakeEntry(ExportSettings& settings, std::uint16_t tag, std::span<const std::uint8_t> value)
{
    const std::string text(value.begin(), value.end());
    const bool bOneByte = value.size() == 1;
    switch (tag) {
    case kPixelFormat:
        if (const PixelFormat* format = FindPixelFormat(text)) settings.mode = format->mode;
        return !text.empty();
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
    case kTarget: settings.target = text; return !text.empty();
    case kPack: return TakeLayoutWord(settings.layout, "--pack", text);
    case kBitOrder: return TakeLayoutWord(settings.layout, "--bit-order", text);
    case kByteOrder: return TakeLayoutWord(settings.layout, "--byte-order", text);
    case kArrayName: settings.name = text; return !text.empty();
    case kHeader: settings.bHeader = true; return bOneByte && value[0] == 1;
    case kFormat:
        // A later version's format leaves the one implied by the target.
        if (const std::optional<ExportFormat> format = FormatOfWord(text)) settings.format = *format;
        return !text.empty();
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
    case kPaletteFormat: return TakeLayoutWord(settings.layout, "--palette-format", text);
    case kRgbOrder: return TakeLayoutWord(settings.layout, "--rgb-order", text);
    case kInvert: settings.layout.bInvert = true; return bOneByte && value[0] == 1;
    }
    return true;   // a later version's setting
}

// The format a file names by its target alone: a display target's C source,
// or the six modes' C arrays with no target.
ExportFormat ImpliedFormat(const ExportSettings& settings)
{
    return settings.target.empty() ? ExportFormat::Format1 : ExportFormat::Bytes;
}

} // namespace

std::vector<std::uint8_t> SettingsBlock(const ExportSettings& settings)
{
    const ExportSettings defaults;
    const ReductionSettings& reduction = settings.reduction;
    BlockWriter writer;
    if (settings.mode) writer.Text(kPixelFormat, FindPixelFormat(*settings.mode)->pszName);
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
    const LayoutOptions& layout = settings.layout;
    writer.Text(kTarget, settings.target);
    writer.Text(kPack, LayoutWord(layout, "--pack"));
    writer.Text(kBitOrder, LayoutWord(layout, "--bit-order"));
    writer.Text(kByteOrder, LayoutWord(layout, "--byte-order"));
    writer.Text(kArrayName, settings.name);
    if (settings.bHeader) writer.Byte(kHeader, 1);
    if (settings.format != ImpliedFormat(settings)) writer.Text(kFormat, FormatWord(settings.format));
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
    writer.Text(kPaletteFormat, LayoutWord(layout, "--palette-format"));
    writer.Text(kRgbOrder, LayoutWord(layout, "--rgb-order"));
    if (layout.bInvert) writer.Byte(kInvert, 1);
    return writer.Block();
}

std::optional<ExportSettings> ReadSettingsBlock(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 4 || GetLe(bytes, 0, 4) != bytes.size() - 4) return std::nullopt;
    ExportSettings settings;
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
    if (!seen[kFormat]) settings.format = ImpliedFormat(settings);
    return settings;
}

ExportSettings KeptInDocument(const ExportSettings& settings)
{
    return *ReadSettingsBlock(SettingsBlock(settings));
}
