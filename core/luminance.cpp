// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/luminance.h"

#include <cmath>
#include <memory>

namespace {

// Linear light in 14 bits: enough that every grey maps back to itself (code
// 1 is 5 units), and a table small enough to stay in the first-level cache.
constexpr int kLinearMax = 16383;

double Decode(double v)
{
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Encode(double v)
{
    return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

struct LuminanceTables {
    std::uint16_t weighted[3][256];        // each channel's weighted linear light
    std::uint8_t encoded[kLinearMax + 1];  // linear light back to an sRGB value

    LuminanceTables()
    {
        const double weights[3] = {0.2126, 0.7152, 0.0722};
        for (int v = 0; v < 256; ++v) {
            for (int c = 0; c < 3; ++c)
                weighted[c][v] = static_cast<std::uint16_t>(std::lround(weights[c] * Decode(v / 255.0) * kLinearMax));
        }
        for (int l = 0; l <= kLinearMax; ++l)
            encoded[l] = static_cast<std::uint8_t>(std::lround(Encode(double(l) / kLinearMax) * 255));
    }

    std::uint8_t Of(std::uint8_t r, std::uint8_t g, std::uint8_t b) const
    {
        // Rounded weights can sum one or two above the top.
        const unsigned l = unsigned(weighted[0][r]) + weighted[1][g] + weighted[2][b];
        return encoded[l > unsigned(kLinearMax) ? unsigned(kLinearMax) : l];
    }
};

const LuminanceTables& Tables()
{
    static const std::unique_ptr<LuminanceTables> tables = std::make_unique<LuminanceTables>();
    return *tables;
}

} // namespace

std::uint8_t Luminance(Rgb colour)
{
    return Tables().Of(colour.r, colour.g, colour.b);
}

GreyImage LuminanceImage(const RgbImage& picture)
{
    const LuminanceTables& tables = Tables();
    GreyImage grey{picture.nWidth, picture.nHeight, std::vector<std::uint8_t>(picture.rgb.size() / 3)};
    const std::uint8_t* s = picture.rgb.data();
    for (std::uint8_t& out : grey.grey) {
        out = tables.Of(s[0], s[1], s[2]);
        s += 3;
    }
    return grey;
}
