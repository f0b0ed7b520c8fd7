// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dither.h"
#include "core/rgb_image.h"

#include <optional>
#include <vector>

// How a picture is reduced beyond its pixel format's own rule. The defaults
// give exactly the six modes' output.
struct ReductionSettings {
    enum class MonoRule { Channels, Luminance };

    DitherMethod dither = DitherMethod::None;
    bool bRound = false;                 // 3-3-2, 5-5-5, 5-6-5 to the nearest level instead of truncating
    // Two colours' rule. Unchosen, each output takes its own (ResolvedFor in
    // export/), and whatever is not an output takes the six modes' channels.
    std::optional<MonoRule> monoRule;
    int nLuminanceThreshold = 128;       // two colours by brightness: white from this luminance on
    std::vector<Rgb> palette;            // the palette formats' colours (--palette); empty: libimagequant chooses

    bool IsDefault() const
    {
        return dither == DitherMethod::None && !bRound && monoRule != MonoRule::Luminance;
    }
    bool operator==(const ReductionSettings&) const = default;
};
