// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/device_render.h"

#include "core/pixel_encoder.h"
#include "core/pixel_format.h"
#include "export/flash_bytes.h"

#include <thread>

namespace {

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

} // namespace

void DeviceRender::ShownPixels(std::span<std::uint32_t> out, std::uint32_t nOr) const
{
    const std::vector<std::uint32_t>& values = picture.values;
    const PixelFormat* format = FindPixelFormat(picture.mode);
    // Up to 16 bits a value, a table of every colour costs less than decoding each pixel.
    std::vector<std::uint32_t> colours;
    if (format != nullptr && format->nLargestValue <= 0xFFFF && values.size() > format->nLargestValue) {
        colours.resize(format->nLargestValue + 1);
        for (std::uint32_t v = 0; v < colours.size(); ++v) colours[v] = DecodedPixel(picture.mode, v, picture.palette) | nOr;
    }
    InTwoHalves(values.size(), [&](std::size_t nFrom, std::size_t nTo) {
        if (!colours.empty())
            for (std::size_t i = nFrom; i < nTo; ++i) out[i] = colours[values[i]];
        else
            for (std::size_t i = nFrom; i < nTo; ++i) out[i] = DecodedPixel(picture.mode, values[i], picture.palette) | nOr;
    });
}

DeviceRender RenderForDevice(const CapturedPicture& source, const DeviceChoices& choices)
{
    // The dialog always names the mode; the format must take that one.
    ExportSettings settings = choices.settings;
    settings.mode = choices.Mode();
    DeviceRender render;
    static_cast<PreparedExport&>(render) = PrepareExport(source, settings);
    const CapturedPicture picture = render.Picture(source);
    // The preview shows values, which a picture encoded pixel by pixel gets here.
    if (render.picture.values.empty()) {
        const PixelEncoder encoder = picture.MakeEncoder();
        std::vector<std::uint32_t>& values = render.picture.values;
        values.resize(picture.pixels.size());
        InTwoHalves(values.size(), [&](std::size_t nFrom, std::size_t nTo) {
            for (std::size_t i = nFrom; i < nTo; ++i) values[i] = encoder.Encode(picture.pixels[i]);
        });
    }
    if (!render.refusal) render.nFlashBytes = FlashBytes(render.Picture(source), settings);
    return render;
}
