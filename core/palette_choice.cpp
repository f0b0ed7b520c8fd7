// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/palette_choice.h"

#include "core/quantisers.h"
#include "core/resize.h"

#include <libimagequant.h>
#include <omp.h>

#include <cmath>

#include <algorithm>
#include <array>
#include <memory>

namespace {

// libimagequant's handles, each freed by its own function.
template <class Handle, void (*Free)(Handle*)>
struct Freer {
    void operator()(Handle* h) const { Free(h); }
};
using Attributes = std::unique_ptr<liq_attr, Freer<liq_attr, liq_attr_destroy>>;
using Image = std::unique_ptr<liq_image, Freer<liq_image, liq_image_destroy>>;
using Result = std::unique_ptr<liq_result, Freer<liq_result, liq_result_destroy>>;

// libimagequant's time grows with the pixels it reads, and a palette needs
// far fewer to be well chosen: larger pictures are sampled down to about
// this many by picking pixels, which keeps their colours exact.
constexpr double kSampledPixels = 1 << 18;

// Speed 1..10: the fastest, to choose a palette for 2048 x 1024 within a
// tenth of a second (4, the default, takes several times as long).
constexpr int kSpeed = 10;

// Each colour moved to the mean of the sample's pixels nearest to it: at its
// fastest speed libimagequant leaves colours a unit or two off, so that even
// a picture of a few colours would not get them back exactly.
std::vector<Rgb> Refined(std::vector<Rgb> colours, const RgbImage& sample)
{
    const PaletteQuantiser quantiser(colours);
    std::vector<std::array<std::uint64_t, 4>> sums(colours.size(), {0, 0, 0, 0});
    for (std::size_t i = 0; i < sample.rgb.size(); i += 3) {
        const std::uint8_t* p = sample.rgb.data() + i;
        auto& sum = sums[quantiser.Code(p[0], p[1], p[2])];
        for (int c = 0; c < 3; ++c) sum[c] += p[c];
        ++sum[3];
    }
    for (std::size_t k = 0; k < colours.size(); ++k) {
        const std::uint64_t n = sums[k][3];
        if (n == 0) continue;
        colours[k] = {static_cast<std::uint8_t>((sums[k][0] + n / 2) / n), static_cast<std::uint8_t>((sums[k][1] + n / 2) / n),
                      static_cast<std::uint8_t>((sums[k][2] + n / 2) / n)};
    }
    return colours;
}

// libimagequant's OpenMP threads spin while they wait for each other: on a
// machine whose cores are busy that costs several times the work itself, so
// its parallel regions run on the calling thread alone while it chooses.
class SingleOpenMpThread {
public:
    SingleOpenMpThread() : m_nBefore(omp_get_max_threads()) { omp_set_num_threads(1); }
    ~SingleOpenMpThread() { omp_set_num_threads(m_nBefore); }
    SingleOpenMpThread(const SingleOpenMpThread&) = delete;
    SingleOpenMpThread& operator=(const SingleOpenMpThread&) = delete;

private:
    int m_nBefore;
};

} // namespace

std::vector<Rgb> ChoosePalette(const RgbImage& picture, int nColours)
{
    if (picture.nWidth <= 0 || picture.nHeight <= 0) return {};
    const Attributes attributes(liq_attr_create());
    if (!attributes || liq_set_max_colors(attributes.get(), nColours) != LIQ_OK ||
        liq_set_speed(attributes.get(), kSpeed) != LIQ_OK)
        return {};
    const double dPixels = double(picture.nWidth) * picture.nHeight;
    const double dShrink = dPixels > kSampledPixels ? std::sqrt(kSampledPixels / dPixels) : 1;
    const RgbImage sample = dShrink < 1 ? Resized(picture, std::max(1, static_cast<std::int32_t>(picture.nWidth * dShrink)),
                                                  std::max(1, static_cast<std::int32_t>(picture.nHeight * dShrink)),
                                                  ResizeFit::Fill, ResizeFilter::Nearest)
                                        : picture;
    std::vector<liq_color> rgba(sample.rgb.size() / 3);
    for (std::size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = {sample.rgb[3 * i], sample.rgb[3 * i + 1], sample.rgb[3 * i + 2], 255};
    const Image image(liq_image_create_rgba(attributes.get(), rgba.data(), sample.nWidth, sample.nHeight, 0));
    const SingleOpenMpThread oneThread;
    liq_result* quantised = nullptr;
    if (!image || liq_image_quantize(image.get(), attributes.get(), &quantised) != LIQ_OK) return {};
    const Result result(quantised);
    const liq_palette* palette = liq_get_palette(result.get());
    std::vector<Rgb> colours;
    for (unsigned i = 0; i < palette->count; ++i) colours.push_back({palette->entries[i].r, palette->entries[i].g, palette->entries[i].b});
    return Refined(std::move(colours), sample);
}
