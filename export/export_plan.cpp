// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/export_plan.h"

#include "core/picture_geometry.h"
#include "core/picture_values.h"
#include "export/bytes_layout.h"
#include "export/export_format.h"

namespace {

std::vector<std::uint32_t> Packed(const RgbImage& image)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(image.nWidth) * static_cast<std::size_t>(image.nHeight));
    const std::uint8_t* p = image.rgb.data();
    for (std::uint32_t& pixel : pixels) {
        pixel = p[0] | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16;
        p += 3;
    }
    return pixels;
}

// The first reason the format cannot take the picture under the settings,
// in the order the tool has always reported them; the format's own checks
// only when it writes the picture.
std::optional<ExportRefusal> CheckedBeforeReduction(const OutputFormat& format, const CapturedPicture& picture,
                                                    const ExportSettings& settings, PreparedFor purpose)
{
    using Kind = ExportRefusal::Kind;
    if (purpose == PreparedFor::Export) {
        if (auto refusal = RefusalFor(format, picture)) return ExportRefusal{Kind::Refused, std::move(*refusal)};
        // A document brings its own mode, which the format or the layout options may not fit.
        if (auto error = NamedModeError(format, picture.mode)) return ExportRefusal{Kind::Usage, std::move(*error)};
        if (auto error = OptionsErrorFor(format, picture.mode, settings.layout, settings.bHeader))
            return ExportRefusal{Kind::Usage, std::move(*error)};
    }
    if (auto error = ReductionErrorFor(format, settings.reduction, picture.mode)) return ExportRefusal{Kind::Usage, std::move(*error)};
    return std::nullopt;
}

} // namespace

CapturedPicture PreparedExport::Picture(const CapturedPicture& captured) const
{
    return {picture.nWidth, picture.nHeight, picture.mode, thresholds,
            bShaped ? std::span<const std::uint32_t>(picture.pixels) : captured.pixels, picture.values, picture.palette};
}

PreparedExport PrepareExport(const CapturedPicture& captured, const ExportSettings& settings, PreparedFor purpose)
{
    PreparedExport prepared;
    PictureBuffer& picture = prepared.picture;
    picture.nWidth = captured.nWidth;
    picture.nHeight = captured.nHeight;
    if (!settings.geometry.DoesNothing()) {
        const RgbImage image = Transformed(RgbImageOf(captured), settings.geometry);
        picture.nWidth = image.nWidth;
        picture.nHeight = image.nHeight;
        picture.pixels = Packed(image);
        prepared.bShaped = true;
    }
    picture.mode = settings.mode.value_or(captured.mode);
    prepared.thresholds = settings.thresholds.value_or(captured.thresholds);

    const OutputFormat* format = OutputFormatOf(settings);
    if (format == nullptr) {
        prepared.refusal = {ExportRefusal::Kind::Usage,
                            "--for " + settings.target + " does not write -f " + FormatWord(settings.format)};
        return prepared;
    }
    prepared.refusal = CheckedBeforeReduction(*format, prepared.Picture(captured), settings, purpose);
    ReducedValues reduced;
    const CapturedPicture result = ReducedFor(*format, prepared.Picture(captured), settings.reduction, reduced);
    if (auto error = prepared.refusal ? std::nullopt : ReducedPictureError(result))
        prepared.refusal = {ExportRefusal::Kind::Refused, std::move(*error)};
    picture.mode = result.mode;
    // The palette as the file's bytes hold it, which a preview shows and the file then holds again unchanged.
    picture.palette = ShownPalette(std::move(reduced.palette), settings.layout);
    picture.values = std::move(reduced.values);
    return prepared;
}
