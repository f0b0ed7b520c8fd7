// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dither.h"
#include "core/luminance.h"
#include "core/palette_choice.h"
#include "core/quantisers.h"
#include "core/resize.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <random>
#include <string>

namespace {

// A photo-like 2048 x 1024 picture: smooth gradients with a little noise,
// so that every reduction has errors to spread.
const RgbImage& Photo()
{
    static const RgbImage picture = [] {
        RgbImage p(2048, 1024);
        std::mt19937 random(7);
        for (std::int32_t y = 0; y < p.nHeight; ++y) {
            for (std::int32_t x = 0; x < p.nWidth; ++x) {
                const int noise = static_cast<int>(random() % 9) - 4;
                std::uint8_t* px = p.Pixel(x, y);
                px[0] = static_cast<std::uint8_t>(std::clamp(x * 255 / p.nWidth + noise, 0, 255));
                px[1] = static_cast<std::uint8_t>(std::clamp(y * 255 / p.nHeight + noise, 0, 255));
                px[2] = static_cast<std::uint8_t>(std::clamp((x + 2 * y) % 512 / 2 + noise, 0, 255));
            }
        }
        return p;
    }();
    return picture;
}

const GreyImage& PhotoLuminance()
{
    static const GreyImage luminance = LuminanceImage(Photo());
    return luminance;
}

void Luminance2048(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(LuminanceImage(Photo()).grey.data());
}

void ChoosePalette16(benchmark::State& state)
{
    const RgbImage& picture = Photo();
    for (auto _ : state) {
        if (ChoosePalette(picture, 16).empty()) state.SkipWithError("no palette");
    }
}

void Resize4096(benchmark::State& state)
{
    RgbImage picture(4096, 4096);
    for (std::size_t i = 0; i < picture.rgb.size(); ++i) picture.rgb[i] = static_cast<std::uint8_t>(i * 7 + i / 12288);
    for (auto _ : state) benchmark::DoNotOptimize(Resized(picture, 128, 64, ResizeFit::Fit, ResizeFilter::Area).rgb.data());
}

void MemcpyPhoto(benchmark::State& state)
{
    const RgbImage& from = Photo();
    std::vector<std::uint8_t> to(from.rgb.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.rgb.data(), to.size());
        benchmark::ClobberMemory();
    }
}

// Error diffusion pixel by pixel at its leanest: each pixel waits for the
// one before it through one addition and one table lookup only, as a
// diffused value waits for its neighbour's error. A figure to compare the
// kernels with, beside the copy: the state machines of diffusion_chain.h go
// below it, the pixel-by-pixel kernels cannot.
void SerialLookups(benchmark::State& state)
{
    const RgbImage& picture = Photo();
    std::array<std::int16_t, 1024> table{};
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<std::int16_t>(i % 37) - 18;
    for (auto _ : state) {
        int nCarry = 0;
        for (std::size_t i = 0; i < picture.rgb.size(); i += 3) nCarry = table[std::size_t(picture.rgb[i] + 256 + nCarry)];
        benchmark::DoNotOptimize(nCarry);
    }
}

using Reduction = std::function<std::vector<std::uint16_t>(const RgbImage&)>;

void Reduce2048(benchmark::State& state, const Reduction& reduce)
{
    const RgbImage& picture = Photo();
    for (auto _ : state) benchmark::DoNotOptimize(reduce(picture).data());
}

const char* MethodName(DitherMethod method)
{
    switch (method) {
    case DitherMethod::None: return "none";
    case DitherMethod::FloydSteinberg: return "floyd-steinberg";
    case DitherMethod::Atkinson: return "atkinson";
    case DitherMethod::Ordered: return "ordered";
    }
    return "";
}

} // namespace

std::string DitherBenchmarkName(const std::string& format, DitherMethod method)
{
    return "dither " + std::string(MethodName(method)) + "/" + format + "/2048x1024";
}

void RegisterPixelFormatBenchmarks()
{
    benchmark::RegisterBenchmark("memcpy/2048x1024", MemcpyPhoto)->Unit(benchmark::kMillisecond);
    const ColourLevels rgb565 = MaskedChannels(ColorMode::Rgb565, Rounding::Truncate);
    const GreyLevels grey4 = GreyScale(4);
    const MonoChannelRule mono({128, 128, 128});
    for (DitherMethod method : {DitherMethod::Ordered, DitherMethod::FloydSteinberg, DitherMethod::Atkinson}) {
        const std::pair<const char*, Reduction> reductions[] = {
            {"565", [=](const RgbImage& p) { return Dither(p, rgb565, method); }},
            // The luminance is worked out beforehand: it is a step of its own
            // (luminance/2048x1024), not part of the dithering.
            {"grey4", [=](const RgbImage&) { return Dither(PhotoLuminance(), grey4, method); }},
            {"mono", [=](const RgbImage& p) { return Dither(p, mono, method); }},
        };
        for (const auto& [format, reduce] : reductions)
            benchmark::RegisterBenchmark(DitherBenchmarkName(format, method).c_str(), Reduce2048, reduce)
                ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("serial lookups/2048x1024", SerialLookups)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("luminance/2048x1024", Luminance2048)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("libimagequant 16 colours/2048x1024", ChoosePalette16)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("resize area/4096x4096 to 128x64", Resize4096)->Unit(benchmark::kMillisecond);
}
