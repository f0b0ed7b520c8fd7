// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/image_metrics.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace bench {

namespace {

using Plane = std::vector<double>;

// A separable Gaussian of sigma 1 (radius 3), edges repeated.
Plane Blurred(const Plane& in, int w, int h)
{
    double kernel[7], sum = 0;
    for (int i = -3; i <= 3; ++i) sum += kernel[i + 3] = std::exp(-0.5 * i * i);
    for (double& k : kernel) k /= sum;
    Plane across(in.size()), out(in.size());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double v = 0;
            for (int i = -3; i <= 3; ++i) v += kernel[i + 3] * in[std::size_t(y) * w + std::clamp(x + i, 0, w - 1)];
            across[std::size_t(y) * w + x] = v;
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double v = 0;
            for (int i = -3; i <= 3; ++i) v += kernel[i + 3] * across[std::size_t(std::clamp(y + i, 0, h - 1)) * w + x];
            out[std::size_t(y) * w + x] = v;
        }
    }
    return out;
}

Plane ToPlane(const GreyImage& image)
{
    return Plane(image.grey.begin(), image.grey.end());
}

struct Lab {
    double l, a, b;
};

double Linear(double v)
{
    v /= 255;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

Lab ToLab(const std::uint8_t* p)
{
    const double r = Linear(p[0]), g = Linear(p[1]), b = Linear(p[2]);
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double Ciede2000(Lab c1, Lab c2)
{
    const double kPi = M_PI;
    const double cMean = (std::hypot(c1.a, c1.b) + std::hypot(c2.a, c2.b)) / 2;
    const double g = 0.5 * (1 - std::sqrt(std::pow(cMean, 7) / (std::pow(cMean, 7) + std::pow(25.0, 7))));
    const double a1 = (1 + g) * c1.a, a2 = (1 + g) * c2.a;
    const double cp1 = std::hypot(a1, c1.b), cp2 = std::hypot(a2, c2.b);
    const auto hue = [&](double b, double a) {
        if (a == 0 && b == 0) return 0.0;
        const double h = std::atan2(b, a);
        return h < 0 ? h + 2 * kPi : h;
    };
    const double h1 = hue(c1.b, a1), h2 = hue(c2.b, a2);
    const double dL = c2.l - c1.l, dC = cp2 - cp1;
    double dh = 0;
    if (cp1 * cp2 != 0) {
        dh = h2 - h1;
        if (dh > kPi) dh -= 2 * kPi;
        else if (dh < -kPi) dh += 2 * kPi;
    }
    const double dH = 2 * std::sqrt(cp1 * cp2) * std::sin(dh / 2);
    const double lMean = (c1.l + c2.l) / 2, cpMean = (cp1 + cp2) / 2;
    double hMean = h1 + h2;
    if (cp1 * cp2 != 0) {
        if (std::abs(h1 - h2) > kPi) hMean += hMean < 2 * kPi ? 2 * kPi : -2 * kPi;
        hMean /= 2;
    }
    const double t = 1 - 0.17 * std::cos(hMean - kPi / 6) + 0.24 * std::cos(2 * hMean) +
                     0.32 * std::cos(3 * hMean + kPi / 30) - 0.20 * std::cos(4 * hMean - 63 * kPi / 180);
    const double dTheta = kPi / 6 * std::exp(-std::pow((hMean * 180 / kPi - 275) / 25, 2));
    const double rc = 2 * std::sqrt(std::pow(cpMean, 7) / (std::pow(cpMean, 7) + std::pow(25.0, 7)));
    const double sl = 1 + 0.015 * std::pow(lMean - 50, 2) / std::sqrt(20 + std::pow(lMean - 50, 2));
    const double sc = 1 + 0.045 * cpMean, sh = 1 + 0.015 * cpMean * t;
    const double rt = -std::sin(2 * dTheta) * rc;
    return std::sqrt(std::pow(dL / sl, 2) + std::pow(dC / sc, 2) + std::pow(dH / sh, 2) + rt * (dC / sc) * (dH / sh));
}

} // namespace

double BlurredSsim(const GreyImage& first, const GreyImage& second)
{
    const int w = first.nWidth, h = first.nHeight;
    const Plane a = Blurred(ToPlane(first), w, h), b = Blurred(ToPlane(second), w, h);
    // 8 x 8 windows, the usual constants for 8-bit values.
    constexpr double c1 = 6.5025, c2 = 58.5225;
    double total = 0;
    int windows = 0;
    for (int y0 = 0; y0 + 8 <= h; y0 += 4) {
        for (int x0 = 0; x0 + 8 <= w; x0 += 4) {
            double ma = 0, mb = 0, va = 0, vb = 0, cov = 0;
            for (int y = y0; y < y0 + 8; ++y) {
                for (int x = x0; x < x0 + 8; ++x) {
                    ma += a[std::size_t(y) * w + x];
                    mb += b[std::size_t(y) * w + x];
                }
            }
            ma /= 64;
            mb /= 64;
            for (int y = y0; y < y0 + 8; ++y) {
                for (int x = x0; x < x0 + 8; ++x) {
                    const double da = a[std::size_t(y) * w + x] - ma, db = b[std::size_t(y) * w + x] - mb;
                    va += da * da;
                    vb += db * db;
                    cov += da * db;
                }
            }
            va /= 63;
            vb /= 63;
            cov /= 63;
            total += (2 * ma * mb + c1) * (2 * cov + c2) / ((ma * ma + mb * mb + c1) * (va + vb + c2));
            ++windows;
        }
    }
    return windows ? total / windows : 1;
}

double MeanCiede2000(const RgbImage& first, const RgbImage& second)
{
    double total = 0;
    for (std::size_t i = 0; i < first.rgb.size(); i += 3)
        total += Ciede2000(ToLab(first.rgb.data() + i), ToLab(second.rgb.data() + i));
    return first.rgb.empty() ? 0 : total / double(first.rgb.size() / 3);
}

} // namespace bench
