// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device/preview_worker.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// Colour ramps with detail, so that dithering has work on every pixel.
std::vector<std::uint32_t> Ramps(int nWidth, int nHeight)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(nWidth) * static_cast<std::size_t>(nHeight));
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            pixels[static_cast<std::size_t>(y) * nWidth + x] =
                (x * 255 / nWidth) | ((y * 255 / nHeight) << 8) | (((x ^ y) & 0xFF) << 16);
    return pixels;
}

// One change in the dialog: the whole render, from the picture to the image
// the preview shows. Processor time counts every thread the render uses.
void Preview(benchmark::State& state, int nWidth, int nHeight, ColorMode mode, const char* pszTarget,
             DitherMethod dither)
{
    const std::vector<std::uint32_t> pixels = Ramps(nWidth, nHeight);
    const CapturedPicture source{nWidth, nHeight, ColorMode::Full, {128, 128, 128}, pixels, {}};
    DeviceChoices choices;
    choices.settings.target = pszTarget != nullptr ? pszTarget : "";
    choices.settings.mode = mode;
    choices.settings.reduction.dither = dither;
    choices.settings.name = "image";
    for (auto _ : state) benchmark::DoNotOptimize(MakePreview(source, choices)->shown.constBits());
}

} // namespace

std::string PreviewBenchmarkName(int nWidth, int nHeight, const std::string& format)
{
    return "device preview/" + std::to_string(nWidth) + "x" + std::to_string(nHeight) + "/" + format;
}

void RegisterPreviewBenchmarks()
{
    for (const auto& [nWidth, nHeight] : {std::pair{320, 240}, std::pair{4096, 4096}}) {
        benchmark::RegisterBenchmark(PreviewBenchmarkName(nWidth, nHeight, "565 floyd-steinberg").c_str(), Preview,
                                     nWidth, nHeight, ColorMode::Rgb565, nullptr, DitherMethod::FloydSteinberg)
            ->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
        benchmark::RegisterBenchmark(PreviewBenchmarkName(nWidth, nHeight, "mono floyd-steinberg").c_str(), Preview,
                                     nWidth, nHeight, ColorMode::Mono, nullptr, DitherMethod::FloydSteinberg)
            ->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
    }
    // Without dithering each pixel is encoded on its own.
    benchmark::RegisterBenchmark(PreviewBenchmarkName(4096, 4096, "565").c_str(), Preview, 4096, 4096, ColorMode::Rgb565,
                                 nullptr, DitherMethod::None)
        ->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
    // A target counts its bytes by writing them: the costliest preview of a size LVGL takes.
    benchmark::RegisterBenchmark(PreviewBenchmarkName(320, 240, "lvgl9 565 floyd-steinberg").c_str(), Preview, 320, 240,
                                 ColorMode::Rgb565, "lvgl9", DitherMethod::FloydSteinberg)
        ->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
}
