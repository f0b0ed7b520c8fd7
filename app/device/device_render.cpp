// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/device_render.h"

#include "core/picture_values.h"
#include "core/pixel_encoder.h"
#include "core/pixel_format.h"
#include "export/bytes_layout.h"
#include "export/export_format.h"
#include "export/output_sink.h"

#include <thread>

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

// The picture after the geometry; its pixels stay the source's when the geometry does nothing.
PictureBuffer Shaped(const CapturedPicture& source, const Geometry& geometry)
{
    PictureBuffer picture;
    picture.nWidth = source.nWidth;
    picture.nHeight = source.nHeight;
    if (geometry.DoesNothing()) return picture;
    const RgbImage image = Transformed(RgbImageOf(source), geometry);
    picture.nWidth = image.nWidth;
    picture.nHeight = image.nHeight;
    picture.pixels = Packed(image);
    return picture;
}

// Runs work(nFrom, nTo) over [0, nCount), in two halves at once when there
// are enough items to pay for a thread: the reduction leaves a core idle.
template <typename Work>
void InTwoHalves(std::size_t nCount, Work work)
{
    constexpr std::size_t kSplitFrom = std::size_t{1} << 20;
    if (nCount < kSplitFrom) {
        work(std::size_t{0}, nCount);
        return;
    }
    std::thread other(work, nCount / 2, nCount);
    work(std::size_t{0}, nCount / 2);
    other.join();
}

// A display library's own bytes are counted by writing its raw form to a
// counter; the count is all that is kept.
std::int64_t CountedBytes(const OutputFormat& bin, const ExportJob& job)
{
    ByteCounter counter;
    WriteExport(counter.Sink(), bin, job);
    return counter.Count();
}

std::int64_t FlashBytes(const DeviceRender& render, const DeviceChoices& choices)
{
    const PictureBuffer& picture = render.picture;
    // A palette comes before the pixels, as -f bin writes them.
    if (choices.settings.target.empty())
        return PaletteBytesCount(picture.mode, choices.settings.layout) + BytesCount(picture.mode, picture.nWidth, picture.nHeight, choices.settings.layout);
    const OutputFormat* bin = FindOutputFormat(FormatWord(ExportFormat::Bin), choices.settings.target);
    if (bin == nullptr) return 0;
    return CountedBytes(*bin, {render.Captured(), choices.settings.name, choices.settings.layout});
}

} // namespace

CapturedPicture DeviceRender::Captured() const
{
    return {picture.nWidth, picture.nHeight, picture.mode, thresholds, pixels, values, palette};
}

void DeviceRender::ShownPixels(std::span<std::uint32_t> out, std::uint32_t nOr) const
{
    const PixelFormat* format = FindPixelFormat(picture.mode);
    // Up to 16 bits a value, a table of every colour costs less than decoding each pixel.
    std::vector<std::uint32_t> colours;
    if (format != nullptr && format->nLargestValue <= 0xFFFF && values.size() > format->nLargestValue) {
        colours.resize(format->nLargestValue + 1);
        for (std::uint32_t v = 0; v < colours.size(); ++v) colours[v] = DecodedPixel(picture.mode, v, palette) | nOr;
    }
    InTwoHalves(values.size(), [&](std::size_t nFrom, std::size_t nTo) {
        if (!colours.empty())
            for (std::size_t i = nFrom; i < nTo; ++i) out[i] = colours[values[i]];
        else
            for (std::size_t i = nFrom; i < nTo; ++i) out[i] = DecodedPixel(picture.mode, values[i], palette) | nOr;
    });
}

DeviceRender RenderForDevice(const CapturedPicture& source, const DeviceChoices& choices)
{
    DeviceRender render;
    render.picture = Shaped(source, choices.settings.geometry);
    render.pixels = choices.settings.geometry.DoesNothing() ? source.pixels : std::span<const std::uint32_t>(render.picture.pixels);
    render.picture.mode = choices.Mode();
    render.thresholds = source.thresholds;
    const OutputFormat& output = choices.Output();
    // The chosen mode is the one the format must take; the reduction may show it in another.
    const std::optional<std::string> refusal = RefusalFor(output, render.Captured());
    ReducedValues reduced;
    const CapturedPicture shaped = ReducedFor(output, render.Captured(), choices.settings.reduction, reduced);
    render.picture.mode = shaped.mode;
    // The display shows the palette as its bytes hold it, which the file then holds again unchanged.
    render.palette = ShownPalette(std::move(reduced.palette), choices.settings.layout);
    render.values = std::move(reduced.values);
    if (render.values.empty()) {
        const PixelEncoder encoder = shaped.MakeEncoder();
        render.values.resize(render.pixels.size());
        InTwoHalves(render.values.size(), [&](std::size_t nFrom, std::size_t nTo) {
            for (std::size_t i = nFrom; i < nTo; ++i) render.values[i] = encoder.Encode(render.pixels[i]);
        });
    }
    if (std::optional<std::string> error = ReductionErrorFor(output, choices.settings.reduction, choices.Mode()))
        render.refusal = std::move(error);
    else if (std::optional<std::string> missing = ReducedPictureError(shaped))
        render.refusal = std::move(missing);
    else
        render.refusal = refusal;
    if (!render.refusal) render.nFlashBytes = FlashBytes(render, choices);
    return render;
}
