// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/kept_settings.h"

#include "core/dib_image.h"
#include "core/little_endian.h"
#include "core/pixel_format.h"

#include <optional>
#include <string>
#include <type_traits>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Value = std::span<const std::uint8_t>;

constexpr std::size_t kMaxPaletteColours = 256;

// The field a chain of members reaches: Field<&ExportSettings::layout, &LayoutOptions::bInvert>(settings).
template <auto... Path>
auto& Field(auto& settings)
{
    return (settings .* ... .* Path);
}

template <typename T> constexpr bool kIsOptional = false;
template <typename T> constexpr bool kIsOptional<std::optional<T>> = true;

bool IsByte(Value value, int nLowest, int nHighest)
{
    return value.size() == 1 && value[0] >= nLowest && value[0] <= nHighest;
}

std::string TextOf(Value value)
{
    return {value.begin(), value.end()};
}

Bytes BytesOf(const std::string& text)
{
    return {text.begin(), text.end()};
}

// A switch: one byte 1 when it is on.
template <auto... Path>
constexpr SettingCodec Flag()
{
    return {
        [](const KeptSetting&, const ExportSettings& settings) { return Field<Path...>(settings) ? Bytes{1} : Bytes{}; },
        [](const KeptSetting&, ExportSettings& settings, Value value) {
            Field<Path...>(settings) = true;
            return IsByte(value, 1, 1);
        },
    };
}

// An enumeration or a number up to nHighest in one byte, when it differs from its default.
template <int nHighest, auto... Path>
constexpr SettingCodec Number()
{
    return {
        [](const KeptSetting&, const ExportSettings& settings) {
            const ExportSettings defaults;
            const auto& field = Field<Path...>(settings);
            if (field == Field<Path...>(defaults)) return Bytes{};
            if constexpr (kIsOptional<std::remove_cvref_t<decltype(field)>>)
                return Bytes{static_cast<std::uint8_t>(*field)};
            else
                return Bytes{static_cast<std::uint8_t>(field)};
        },
        [](const KeptSetting&, ExportSettings& settings, Value value) {
            if (!IsByte(value, 0, nHighest)) return false;
            auto& field = Field<Path...>(settings);
            using Type = std::remove_cvref_t<decltype(field)>;
            if constexpr (kIsOptional<Type>)
                field = static_cast<typename Type::value_type>(value[0]);
            else
                field = static_cast<Type>(value[0]);
            return true;
        },
    };
}

// A text, when it is not empty.
template <auto... Path>
constexpr SettingCodec Text()
{
    return {
        [](const KeptSetting&, const ExportSettings& settings) { return BytesOf(Field<Path...>(settings)); },
        [](const KeptSetting&, ExportSettings& settings, Value value) {
            Field<Path...>(settings) = TextOf(value);
            return !value.empty();
        },
    };
}

// A layout option's word, as the row's option spells it; a word this build
// does not know leaves the option unset.
constexpr SettingCodec kLayoutWord{
    [](const KeptSetting& row, const ExportSettings& settings) {
        return BytesOf(LayoutWord(settings.layout, std::string("--") + row.pszOption));
    },
    [](const KeptSetting& row, ExportSettings& settings, Value value) {
        SetLayoutOption(settings.layout, std::string("--") + row.pszOption, TextOf(value));
        return !value.empty();
    },
};

// The pixel format's name; one this build does not know leaves the input's own.
constexpr SettingCodec kPixelFormatName{
    [](const KeptSetting&, const ExportSettings& settings) {
        return settings.mode ? BytesOf(FindPixelFormat(*settings.mode)->pszName) : Bytes{};
    },
    [](const KeptSetting&, ExportSettings& settings, Value value) {
        if (const PixelFormat* format = FindPixelFormat(TextOf(value))) settings.mode = format->mode;
        return !value.empty();
    },
};

// The format a file names by its target alone: a display target's C source,
// or the six modes' C arrays with no target.
ExportFormat ImpliedFormat(const ExportSettings& settings)
{
    return settings.target.empty() ? ExportFormat::Format1 : ExportFormat::Bytes;
}

// The -f word, only where the target does not imply it; a later version's
// word leaves the default.
constexpr SettingCodec kFormatWord{
    [](const KeptSetting&, const ExportSettings& settings) {
        return settings.format != ImpliedFormat(settings) ? BytesOf(FormatWord(settings.format)) : Bytes{};
    },
    [](const KeptSetting&, ExportSettings& settings, Value value) {
        if (const std::optional<ExportFormat> format = FormatOfWord(TextOf(value))) settings.format = *format;
        return !value.empty();
    },
    [](ExportSettings& settings) { settings.format = ImpliedFormat(settings); },
};

// One of the two colours' rules, each under a tag of its own: a block with both is refused.
template <ReductionSettings::MonoRule rule>
constexpr SettingCodec MonoRule()
{
    return {
        [](const KeptSetting&, const ExportSettings& settings) {
            return settings.reduction.monoRule == rule ? Bytes{1} : Bytes{};
        },
        [](const KeptSetting&, ExportSettings& settings, Value value) {
            const bool bChosenTwice = settings.reduction.monoRule.has_value();
            settings.reduction.monoRule = rule;
            return IsByte(value, 1, 1) && !bChosenTwice;
        },
    };
}

// The flips in one byte: a bit for each axis, at least one set.
constexpr int kFlipHorizontal = 1, kFlipVertical = 2;
constexpr SettingCodec kFlips{
    [](const KeptSetting&, const ExportSettings& settings) {
        const Geometry& geometry = settings.geometry;
        const int nBits = (geometry.bFlipHorizontal ? kFlipHorizontal : 0) | (geometry.bFlipVertical ? kFlipVertical : 0);
        return nBits != 0 ? Bytes{static_cast<std::uint8_t>(nBits)} : Bytes{};
    },
    [](const KeptSetting&, ExportSettings& settings, Value value) {
        if (!IsByte(value, 1, kFlipHorizontal | kFlipVertical)) return false;
        settings.geometry.bFlipHorizontal = (value[0] & kFlipHorizontal) != 0;
        settings.geometry.bFlipVertical = (value[0] & kFlipVertical) != 0;
        return true;
    },
};

// The palette's colours, three bytes R, G, B each.
constexpr SettingCodec kPaletteColours{
    [](const KeptSetting&, const ExportSettings& settings) {
        Bytes colours;
        for (const Rgb& colour : settings.reduction.palette) colours.insert(colours.end(), {colour.r, colour.g, colour.b});
        return colours;
    },
    [](const KeptSetting&, ExportSettings& settings, Value value) {
        if (value.empty() || value.size() % 3 != 0 || value.size() > 3 * kMaxPaletteColours) return false;
        for (std::size_t i = 0; i < value.size(); i += 3)
            settings.reduction.palette.push_back({value[i], value[i + 1], value[i + 2]});
        return true;
    },
};

// A resize: width and height, two bytes each, then how it fits and its filter.
constexpr SettingCodec kResize{
    [](const KeptSetting&, const ExportSettings& settings) {
        const Geometry& geometry = settings.geometry;
        Bytes resize;
        if (!geometry.Resizes()) return resize;
        PutLittleEndian(resize, static_cast<std::uint32_t>(geometry.nWidth), 2);
        PutLittleEndian(resize, static_cast<std::uint32_t>(geometry.nHeight), 2);
        resize.insert(resize.end(), {static_cast<std::uint8_t>(geometry.fit), static_cast<std::uint8_t>(geometry.filter)});
        return resize;
    },
    [](const KeptSetting&, ExportSettings& settings, Value value) {
        if (value.size() != 6) return false;
        Geometry& geometry = settings.geometry;
        geometry.nWidth = static_cast<std::int32_t>(GetLittleEndian(value, 0, 2));
        geometry.nHeight = static_cast<std::int32_t>(GetLittleEndian(value, 2, 2));
        if (value[4] > static_cast<int>(ResizeFit::Fill) || value[5] > static_cast<int>(ResizeFilter::Nearest)) return false;
        geometry.fit = static_cast<ResizeFit>(value[4]);
        geometry.filter = static_cast<ResizeFilter>(value[5]);
        return geometry.nWidth >= 1 && geometry.nWidth <= CDibImage::kMaxSide && geometry.nHeight >= 1 &&
               geometry.nHeight <= CDibImage::kMaxSide;
    },
};

using ES = ExportSettings;
using RS = ReductionSettings;

// The order is the one blocks were always written in: later tags went in
// beside the settings they belong with.
constexpr KeptSetting kRows[] = {
    {1, "mode", kPixelFormatName},
    {2, "dither", Number<static_cast<int>(DitherMethod::Ordered), &ES::reduction, &RS::dither>()},
    {3, "round", Flag<&ES::reduction, &RS::bRound>()},
    {4, "mono", MonoRule<RS::MonoRule::Luminance>()},
    {21, "mono", MonoRule<RS::MonoRule::Channels>()},
    {5, "threshold", Number<255, &ES::reduction, &RS::nLuminanceThreshold>()},
    {6, "palette", kPaletteColours},
    {7, "for", Text<&ES::target>()},
    {8, "pack", kLayoutWord},
    {9, "bit-order", kLayoutWord},
    {10, "byte-order", kLayoutWord},
    {11, "name", Text<&ES::name>()},
    {12, "header", Flag<&ES::bHeader>()},
    {13, "format", kFormatWord},
    {14, "trim", Flag<&ES::geometry, &Geometry::bTrim>()},
    {16, "rotate", Number<static_cast<int>(Rotation::Clockwise270), &ES::geometry, &Geometry::rotation>()},
    {17, "flip", kFlips},
    {18, "resize", kResize},
    {15, "palette-format", kLayoutWord},
    {19, "rgb-order", kLayoutWord},
    {20, "invert", Flag<&ES::layout, &LayoutOptions::bInvert>()},
};

} // namespace

std::span<const KeptSetting> KeptSettings()
{
    return kRows;
}
