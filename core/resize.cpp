// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/resize.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

namespace {

// The source pixels each output pixel of one axis draws on, and their
// weights, which sum to 1. Indices past an edge are folded onto the edge.
struct Taps {
    std::vector<std::int32_t> first;   // by output pixel
    std::vector<std::int32_t> count;
    std::vector<std::size_t> start;    // into weights
    std::vector<float> weights;
    std::int32_t nLow = 0, nHigh = 0;  // the source pixels used at all, high exclusive
};

double Lanczos3(double x)
{
    x = std::abs(x);
    if (x < 1e-9) return 1;
    if (x >= 3) return 0;
    const double px = M_PI * x;
    return 3 * std::sin(px) * std::sin(px / 3) / (px * px);
}

// Output pixel i covers source [origin + i x scale, origin + (i + 1) x scale).
Taps AxisTaps(std::int32_t nSource, double dOrigin, double dScale, std::int32_t nOut, ResizeFilter filter)
{
    Taps taps;
    taps.nLow = nSource;
    std::vector<double> weights;
    for (std::int32_t i = 0; i < nOut; ++i) {
        const double dStart = dOrigin + i * dScale, dEnd = dStart + dScale, dCentre = (dStart + dEnd) / 2;
        std::int32_t nFirst, nLast;   // inclusive, before folding
        weights.clear();
        if (filter == ResizeFilter::Nearest) {
            nFirst = nLast = static_cast<std::int32_t>(std::floor(dCentre));
            weights.push_back(1);
        } else if (filter == ResizeFilter::Area) {
            nFirst = static_cast<std::int32_t>(std::floor(dStart));
            nLast = std::max(nFirst, static_cast<std::int32_t>(std::ceil(dEnd)) - 1);
            for (std::int32_t s = nFirst; s <= nLast; ++s)
                weights.push_back(std::max(0.0, std::min<double>(dEnd, s + 1) - std::max<double>(dStart, s)));
        } else {
            // Widened by the scale when shrinking, so that it also averages.
            const double dWidth = std::max(1.0, dScale);
            nFirst = static_cast<std::int32_t>(std::floor(dCentre - 3 * dWidth));
            nLast = static_cast<std::int32_t>(std::ceil(dCentre + 3 * dWidth));
            for (std::int32_t s = nFirst; s <= nLast; ++s) weights.push_back(Lanczos3((s + 0.5 - dCentre) / dWidth));
        }
        double dSum = 0;
        for (double w : weights) dSum += w;
        // Fold onto the picture: weights past an edge go to the edge pixel.
        const std::int32_t nLo = std::clamp(nFirst, 0, nSource - 1), nHi = std::clamp(nLast, 0, nSource - 1);
        std::vector<float> folded(std::size_t(nHi - nLo + 1), 0.0f);
        for (std::int32_t s = nFirst; s <= nLast; ++s)
            folded[std::size_t(std::clamp(s, 0, nSource - 1) - nLo)] += static_cast<float>(weights[std::size_t(s - nFirst)] / dSum);
        taps.first.push_back(nLo);
        taps.count.push_back(nHi - nLo + 1);
        taps.start.push_back(taps.weights.size());
        taps.weights.insert(taps.weights.end(), folded.begin(), folded.end());
        taps.nLow = std::min(taps.nLow, nLo);
        taps.nHigh = std::max(taps.nHigh, nHi + 1);
    }
    return taps;
}

std::uint8_t ToByte(float v)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

// Resamples pixels of kChannels samples through the taps, rows first, and
// hands each output pixel's weighted sums to put(x, y, sums).
template <int kChannels, class Sample, class Put>
void Resample(const Sample* pSource, std::int32_t nSourceWidth, const Taps& columns, const Taps& rows, Put put)
{
    const std::int32_t nWidth = static_cast<std::int32_t>(columns.first.size());
    const std::int32_t nHeight = static_cast<std::int32_t>(rows.first.size());
    // Rows first: each output row sums whole source rows, which the compiler
    // runs on vectors; only the columns the second pass reads are summed.
    const std::size_t nSpan = kChannels * std::size_t(columns.nHigh - columns.nLow);
    std::vector<float> column(nSpan * std::size_t(nHeight), 0.0f);
    using Sum = std::conditional_t<sizeof(Sample) == 1, std::uint32_t, std::uint64_t>;
    std::vector<Sum> sums(nSpan);
    for (std::int32_t y = 0; y < nHeight; ++y) {
        float* __restrict out = column.data() + nSpan * std::size_t(y);
        const float* w = rows.weights.data() + rows.start[y];
        const std::int32_t nTaps = rows.count[y];
        const auto row = [&](std::int32_t k) {
            return pSource + kChannels * (std::size_t(rows.first[y] + k) * std::size_t(nSourceWidth) + std::size_t(columns.nLow));
        };
        if (std::all_of(w, w + nTaps, [&](float v) { return v == w[0]; })) {
            // Equal weights, as an area shrink by a whole factor gives: whole
            // numbers summed, which is far quicker, and scaled once.
            std::fill(sums.begin(), sums.end(), Sum{0});
            for (std::int32_t k = 0; k < nTaps; ++k) {
                const Sample* __restrict in = row(k);
                Sum* __restrict sum = sums.data();
                for (std::size_t i = 0; i < nSpan; ++i) sum[i] += in[i];
            }
            for (std::size_t i = 0; i < nSpan; ++i) out[i] = w[0] * static_cast<float>(sums[i]);
            continue;
        }
        for (std::int32_t k = 0; k < nTaps; ++k) {
            const Sample* __restrict in = row(k);
            for (std::size_t i = 0; i < nSpan; ++i) out[i] += w[k] * in[i];
        }
    }
    for (std::int32_t y = 0; y < nHeight; ++y) {
        const float* in = column.data() + nSpan * std::size_t(y);
        for (std::int32_t x = 0; x < nWidth; ++x) {
            float sum[kChannels] = {};
            const float* p = in + kChannels * std::size_t(columns.first[x] - columns.nLow);
            const float* w = columns.weights.data() + columns.start[x];
            for (std::int32_t k = 0; k < columns.count[x]; ++k, p += kChannels) {
                for (int c = 0; c < kChannels; ++c) sum[c] += w[k] * p[c];
            }
            put(x, y, sum);
        }
    }
}

// The picture's colours premultiplied by their alpha, alpha last, all four
// on the scale of 255 x 255: averaged so, a transparent pixel's colour adds
// nothing, and no dark fringe grows around a shape.
std::vector<std::uint16_t> Premultiplied(const RgbImage& picture)
{
    std::vector<std::uint16_t> samples(4 * picture.alpha.size());
    for (std::size_t i = 0; i < picture.alpha.size(); ++i) {
        const std::uint16_t nAlpha = picture.alpha[i];
        for (int c = 0; c < 3; ++c) samples[4 * i + c] = static_cast<std::uint16_t>(picture.rgb[3 * i + c] * nAlpha);
        samples[4 * i + 3] = static_cast<std::uint16_t>(nAlpha * 255);
    }
    return samples;
}

} // namespace

RgbImage Resized(const RgbImage& picture, std::int32_t nWidth, std::int32_t nHeight, ResizeFit fit,
                 ResizeFilter filter)
{
    if (picture.nWidth <= 0 || picture.nHeight <= 0 || nWidth <= 0 || nHeight <= 0) return {};
    const double dSourceAspect = double(picture.nWidth) / picture.nHeight, dAspect = double(nWidth) / nHeight;
    double dX0 = 0, dY0 = 0, dSourceWidth = picture.nWidth, dSourceHeight = picture.nHeight;
    if (fit == ResizeFit::Fit) {
        if (dSourceAspect > dAspect) nHeight = std::max(1, static_cast<std::int32_t>(std::lround(nWidth / dSourceAspect)));
        else nWidth = std::max(1, static_cast<std::int32_t>(std::lround(nHeight * dSourceAspect)));
    } else if (dSourceAspect > dAspect) {
        dSourceWidth = picture.nHeight * dAspect;
        dX0 = (picture.nWidth - dSourceWidth) / 2;
    } else {
        dSourceHeight = picture.nWidth / dAspect;
        dY0 = (picture.nHeight - dSourceHeight) / 2;
    }
    const Taps columns = AxisTaps(picture.nWidth, dX0, dSourceWidth / nWidth, nWidth, filter);
    const Taps rows = AxisTaps(picture.nHeight, dY0, dSourceHeight / nHeight, nHeight, filter);

    RgbImage resized(nWidth, nHeight);
    const bool bOpaque = std::all_of(picture.alpha.begin(), picture.alpha.end(), [](std::uint8_t a) { return a == 255; });
    if (bOpaque) {
        Resample<3>(picture.rgb.data(), picture.nWidth, columns, rows, [&](std::int32_t x, std::int32_t y, const float* sum) {
            std::uint8_t* d = resized.Pixel(x, y);
            for (int c = 0; c < 3; ++c) d[c] = ToByte(sum[c]);
        });
        if (!picture.alpha.empty()) resized.alpha.assign(resized.rgb.size() / 3, 255);
        return resized;
    }
    resized.alpha.resize(resized.rgb.size() / 3);
    Resample<4>(Premultiplied(picture).data(), picture.nWidth, columns, rows, [&](std::int32_t x, std::int32_t y, const float* sum) {
        const std::uint8_t nAlpha = ToByte(sum[3] / 255);
        resized.alpha[resized.Index(x, y)] = nAlpha;
        // Unpremultiplied; a pixel that comes out transparent is 0, 0, 0, as the readers give one.
        std::uint8_t* d = resized.Pixel(x, y);
        for (int c = 0; c < 3; ++c) d[c] = nAlpha == 0 ? 0 : ToByte(sum[c] * 255 / sum[3]);
    });
    return resized;
}
