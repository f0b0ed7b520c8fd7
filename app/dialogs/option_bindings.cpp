// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/option_bindings.h"

#include "app/res/device_strings.h"

#include <optional>

namespace s = res::str::device;

namespace {

using MonoRule = ReductionSettings::MonoRule;

constexpr int kNoChoice = -1;
// The flip box's values: a bit for each axis.
constexpr int kFlipHorizontal = 1;
constexpr int kFlipVertical = 2;

// The two-colour rule the output takes when none is chosen.
MonoRule DefaultMonoRule(const OutputFormat& output)
{
    return *ResolvedFor(output, ColorMode::Mono, {}).monoRule;
}

// Whether the row and the format take the layout options set alone.
bool TakesLayout(const DeviceChoices& shown, auto set)
{
    LayoutOptions options;
    set(options);
    return !OptionsErrorFor(shown.Output(), shown.Mode(), options, false);
}

bool TakesReduction(const DeviceChoices& shown, auto set)
{
    ReductionSettings settings;
    set(settings);
    return !ReductionErrorFor(shown.Output(), settings, shown.Mode());
}

template <typename Enum>
std::optional<Enum> Given(int nValue, bool bOffered)
{
    return bOffered ? std::optional(static_cast<Enum>(nValue)) : std::nullopt;
}

bool PaletteFormatOffered(const DeviceChoices& shown)
{
    return TakesLayout(shown, [](LayoutOptions& o) { o.paletteFormat = PaletteFormat::Rgb888; });
}

bool MonoRuleOffered(const DeviceChoices& shown)
{
    return TakesReduction(shown, [](ReductionSettings& r) { r.monoRule = MonoRule::Luminance; });
}

constexpr ControlChoice kByteOrders[] = {{s::kLittleEndian, int(ByteOrder::Little)}, {s::kBigEndian, int(ByteOrder::Big)}};
constexpr ControlChoice kBitOrders[] = {{s::kMsbFirst, int(BitOrder::Msb)}, {s::kLsbFirst, int(BitOrder::Lsb)}};
constexpr ControlChoice kPackings[] = {{s::kRows, int(MonoPacking::Rows)}, {s::kPages, int(MonoPacking::Pages)}};
constexpr ControlChoice kRgbOrders[] = {{"RGB", int(RgbOrder::Rgb)}, {"BGR", int(RgbOrder::Bgr)}};
constexpr ControlChoice kPaletteFormats[] = {{s::kPalette888, int(PaletteFormat::Rgb888)},
                                             {s::kPalette565, int(PaletteFormat::Rgb565)}};
constexpr ControlChoice kDithers[] = {{s::kDitherNone, int(DitherMethod::None)},
                                      {s::kDitherFloydSteinberg, int(DitherMethod::FloydSteinberg)},
                                      {s::kDitherAtkinson, int(DitherMethod::Atkinson)},
                                      {s::kDitherOrdered, int(DitherMethod::Ordered)}};
constexpr ControlChoice kMonoRules[] = {{s::kMonoChannels, int(MonoRule::Channels)}, {s::kMonoLuminance, int(MonoRule::Luminance)}};
constexpr ControlChoice kRotations[] = {{s::kNoRotation, kNoChoice},
                                        {s::kRotate90, int(Rotation::Clockwise90)},
                                        {s::kRotate180, int(Rotation::HalfTurn)},
                                        {s::kRotate270, int(Rotation::Clockwise270)}};
constexpr ControlChoice kFlips[] = {{s::kNoFlip, 0},
                                    {s::kFlipHorizontal, kFlipHorizontal},
                                    {s::kFlipVertical, kFlipVertical},
                                    {s::kFlipBoth, kFlipHorizontal | kFlipVertical}};

const OptionBinding kBindings[] = {
    {
        .pszName = "header",
        .pszLabel = s::kHeader,
        .kind = ControlKind::Check,
        .group = SettingsGroup::Output,
        .show = [](const DeviceChoices& c) { return int(c.settings.bHeader); },
        .read = [](DeviceChoices& c, int nValue, bool bOffered) { c.settings.bHeader = bOffered && nValue != 0; },
        .offered = [](const DeviceChoices& shown) { return !OptionsErrorFor(shown.Output(), shown.Mode(), {}, true); },
    },
    {
        .pszName = "byteOrder",
        .pszLabel = s::kByteOrder,
        .kind = ControlKind::Combo,
        .group = SettingsGroup::Layout,
        .choices = kByteOrders,
        .show = [](const DeviceChoices& c) { return int(c.settings.layout.GetByteOrder()); },
        .read = [](DeviceChoices& c, int nValue, bool bOffered) { c.settings.layout.byteOrder = Given<ByteOrder>(nValue, bOffered); },
        // A palette of 5-6-5 words has a byte order.
        .offered =
            [](const DeviceChoices& shown) {
                const bool bPalette = PaletteFormatOffered(shown);
                return TakesLayout(shown, [&](LayoutOptions& o) {
                    o.byteOrder = ByteOrder::Little;
                    o.paletteFormat = bPalette ? shown.settings.layout.paletteFormat : std::nullopt;
                });
            },
    },
    {
        .pszName = "bitOrder",
        .pszLabel = s::kBitOrder,
        .kind = ControlKind::Combo,
        .group = SettingsGroup::Layout,
        .choices = kBitOrders,
        .show = [](const DeviceChoices& c) { return int(c.settings.layout.GetBitOrder()); },
        .read = [](DeviceChoices& c, int nValue, bool bOffered) { c.settings.layout.bitOrder = Given<BitOrder>(nValue, bOffered); },
        .offered = [](const DeviceChoices& shown) { return TakesLayout(shown, [](LayoutOptions& o) { o.bitOrder = BitOrder::Msb; }); },
    },
    {
        .pszName = "packing",
        .pszLabel = s::kPacking,
        .kind = ControlKind::Combo,
        .group = SettingsGroup::Layout,
        .choices = kPackings,
        .show = [](const DeviceChoices& c) { return int(c.settings.layout.GetPacking()); },
        .read = [](DeviceChoices& c, int nValue, bool bOffered) { c.settings.layout.packing = Given<MonoPacking>(nValue, bOffered); },
        .offered = [](const DeviceChoices& shown) { return TakesLayout(shown, [](LayoutOptions& o) { o.packing = MonoPacking::Rows; }); },
    },
    // Colour order is for full colour, inversion for two colours: never both, so they share a row.
    {
        .pszName = "rgbOrder",
        .pszLabel = s::kRgbOrder,
        .kind = ControlKind::Combo,
        .group = SettingsGroup::Layout,
        .choices = kRgbOrders,
        .show = [](const DeviceChoices& c) { return int(c.settings.layout.GetRgbOrder()); },
        .read = [](DeviceChoices& c, int nValue, bool bOffered) { c.settings.layout.rgbOrder = Given<RgbOrder>(nValue, bOffered); },
        .offered = [](const DeviceChoices& shown) { return TakesLayout(shown, [](LayoutOptions& o) { o.rgbOrder = RgbOrder::Rgb; }); },
    },
    {
        .pszName = "invert",
        .pszLabel = s::kInvert,
        .kind = ControlKind::Check,
        .group = SettingsGroup::Layout,
        .bBesidePrevious = true,
        .show = [](const DeviceChoices& c) { return int(c.settings.layout.bInvert); },
        .read = [](DeviceChoices& c, int nValue, bool bOffered) { c.settings.layout.bInvert = bOffered && nValue != 0; },
        .offered = [](const DeviceChoices& shown) { return TakesLayout(shown, [](LayoutOptions& o) { o.bInvert = true; }); },
    },
    {
        .pszName = "paletteFormat",
        .pszLabel = s::kPaletteFormat,
        .kind = ControlKind::Combo,
        .group = SettingsGroup::Layout,
        .choices = kPaletteFormats,
        .show = [](const DeviceChoices& c) { return int(c.settings.layout.GetPaletteFormat()); },
        .read =
            [](DeviceChoices& c, int nValue, bool bOffered) {
                c.settings.layout.paletteFormat = Given<PaletteFormat>(nValue, bOffered);
            },
        .offered = PaletteFormatOffered,
    },
    {
        .pszName = "dither",
        .pszLabel = s::kDither,
        .kind = ControlKind::Combo,
        .group = SettingsGroup::Reduction,
        .choices = kDithers,
        .show = [](const DeviceChoices& c) { return int(c.settings.reduction.dither); },
        .read =
            [](DeviceChoices& c, int nValue, bool bOffered) {
                c.settings.reduction.dither = bOffered ? static_cast<DitherMethod>(nValue) : DitherMethod::None;
            },
        .offered =
            [](const DeviceChoices& shown) {
                return TakesReduction(shown, [](ReductionSettings& r) { r.dither = DitherMethod::Ordered; });
            },
    },
    {
        .pszName = "monoRule",
        .pszLabel = s::kMonoRule,
        .kind = ControlKind::Combo,
        .group = SettingsGroup::Reduction,
        .choices = kMonoRules,
        .show = [](const DeviceChoices& c) { return int(c.settings.reduction.monoRule.value_or(DefaultMonoRule(c.Output()))); },
        // The format's own rule stays unchosen until another is chosen, so
        // that the document keeps no rule it was never given.
        .read =
            [](DeviceChoices& c, int nValue, bool bOffered) {
                const auto rule = static_cast<MonoRule>(nValue);
                std::optional<MonoRule>& chosen = c.settings.reduction.monoRule;
                const bool bChosen = chosen || rule != DefaultMonoRule(c.Output());
                chosen = bOffered && bChosen ? std::optional(rule) : std::nullopt;
            },
        .offered = MonoRuleOffered,
    },
    {
        .pszName = "luminance",
        .pszLabel = nullptr,
        .kind = ControlKind::Spin,
        .group = SettingsGroup::Reduction,
        .bBesidePrevious = true,
        .nLowest = 0,
        .nHighest = 255,
        .show = [](const DeviceChoices& c) { return c.settings.reduction.nLuminanceThreshold; },
        .read = [](DeviceChoices& c, int nValue, bool) { c.settings.reduction.nLuminanceThreshold = nValue; },
        .offered =
            [](const DeviceChoices& shown) {
                return MonoRuleOffered(shown) &&
                       shown.settings.reduction.monoRule.value_or(DefaultMonoRule(shown.Output())) == MonoRule::Luminance;
            },
    },
    {
        .pszName = "round",
        .pszLabel = s::kRound,
        .kind = ControlKind::Check,
        .group = SettingsGroup::Reduction,
        .show = [](const DeviceChoices& c) { return int(c.settings.reduction.bRound); },
        .read = [](DeviceChoices& c, int nValue, bool bOffered) { c.settings.reduction.bRound = bOffered && nValue != 0; },
        .offered = [](const DeviceChoices& shown) { return TakesReduction(shown, [](ReductionSettings& r) { r.bRound = true; }); },
    },
    {
        .pszName = "trim",
        .pszLabel = s::kTrim,
        .kind = ControlKind::Check,
        .group = SettingsGroup::Geometry,
        .show = [](const DeviceChoices& c) { return int(c.settings.geometry.bTrim); },
        .read = [](DeviceChoices& c, int nValue, bool) { c.settings.geometry.bTrim = nValue != 0; },
        .offered = [](const DeviceChoices&) { return true; },
    },
    {
        .pszName = "rotate",
        .pszLabel = s::kRotate,
        .kind = ControlKind::Combo,
        .group = SettingsGroup::Geometry,
        .choices = kRotations,
        .show = [](const DeviceChoices& c) { return c.settings.geometry.rotation ? int(*c.settings.geometry.rotation) : kNoChoice; },
        .read =
            [](DeviceChoices& c, int nValue, bool) {
                c.settings.geometry.rotation = nValue == kNoChoice ? std::nullopt : std::optional(static_cast<Rotation>(nValue));
            },
        .offered = [](const DeviceChoices&) { return true; },
    },
    {
        .pszName = "flip",
        .pszLabel = s::kFlip,
        .kind = ControlKind::Combo,
        .group = SettingsGroup::Geometry,
        .choices = kFlips,
        .show =
            [](const DeviceChoices& c) {
                return (c.settings.geometry.bFlipHorizontal ? kFlipHorizontal : 0) |
                       (c.settings.geometry.bFlipVertical ? kFlipVertical : 0);
            },
        .read =
            [](DeviceChoices& c, int nValue, bool) {
                c.settings.geometry.bFlipHorizontal = (nValue & kFlipHorizontal) != 0;
                c.settings.geometry.bFlipVertical = (nValue & kFlipVertical) != 0;
            },
        .offered = [](const DeviceChoices&) { return true; },
    },
};

} // namespace

std::span<const OptionBinding> OptionBindings()
{
    return kBindings;
}
