// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/export_request.h"

#include "core/picture_values.h"
#include "core/pixel_format.h"

#include <algorithm>

bool WritesExport(const ExportRequest& request)
{
    return std::any_of(request.outputs.begin(), request.outputs.end(),
                       [](const RequestedOutput& output) { return output.kind == OutputKind::Export; });
}

bool ThresholdsApply(const ExportRequest& request, ColorMode mode)
{
    // A document keeps its thresholds, whatever its mode.
    const bool bDocument = std::any_of(request.outputs.begin(), request.outputs.end(),
                                       [](const RequestedOutput& output) { return output.kind == OutputKind::Document; });
    const PixelFormat* format = FindPixelFormat(mode);
    return !request.settings.thresholds || bDocument || format == nullptr || format->UsesThresholds();
}

std::string ThresholdError(ColorMode mode)
{
    const PixelFormat* format = FindPixelFormat(mode);
    const char* why = format != nullptr && format->rule == ChannelRule::Grey      ? ", which takes each pixel's luminance"
                      : format != nullptr && format->rule == ChannelRule::Palette ? ", which takes the nearest palette colour"
                                                                                  : ", which keeps each channel's high bits";
    return "--threshold does not apply to colour mode " + ModeWord(mode) + why;
}

ReductionSettings ReductionFor(const ExportRequest& request, const ReductionSettings& stored, ColorMode mode)
{
    ReductionSettings settings = request.settings.reduction;
    // Each stored setting alone, so that one the mode cannot take drops out by itself.
    const auto take = [mode](auto ReductionSettings::*field, const ReductionSettings& from, ReductionSettings& to) {
        ReductionSettings alone;
        alone.*field = from.*field;
        if (!ReductionError(alone, mode)) to.*field = from.*field;
    };
    if (!request.given.bDither) take(&ReductionSettings::dither, stored, settings);
    if (!request.given.bRound) take(&ReductionSettings::bRound, stored, settings);
    if (!request.given.bMono) take(&ReductionSettings::monoRule, stored, settings);
    if (!request.given.bLuminanceThreshold) settings.nLuminanceThreshold = stored.nLuminanceThreshold;
    if (!request.given.bPalette) take(&ReductionSettings::palette, stored, settings);
    return settings;
}

BackgroundColor BackgroundOf(const ExportSettings& settings)
{
    return {settings.background.r, settings.background.g, settings.background.b};
}

bool EndsWithInAnyCase(std::string text, const std::string& ending)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.ends_with(ending);
}

bool GoesToStandardOutput(OutputKind kind, const std::string& path)
{
    return path == "-" && (kind == OutputKind::Export || kind == OutputKind::Picture);
}

InputKind KindOfInput(const ExportRequest& request, const std::string& input)
{
    if (request.bPicture || input == kStandardInput) return InputKind::Picture;
    if (EndsWithInAnyCase(input, ".tvx")) return InputKind::Document;
    if (EndsWithInAnyCase(input, ".bmp")) return InputKind::Bmp;
    return InputKind::Picture;
}
