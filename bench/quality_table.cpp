// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bench_data.h"
#include "bench/image_metrics.h"
#include "core/dither.h"
#include "core/luminance.h"
#include "core/palette_choice.h"
#include "core/quantisers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace bench {

namespace {

constexpr std::int32_t kSide = 256;

// Synthetic stand-ins for the kinds of picture people put on small displays.
struct Picture {
    const char* name;
    std::function<Rgb(int x, int y)> pixel;
};

std::uint8_t Byte(double v)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

std::vector<Picture> Pictures()
{
    return {
        {"grey ramp", [](int x, int) { return Rgb{Byte(x), Byte(x), Byte(x)}; }},
        {"colour ramp", [](int x, int y) { return Rgb{Byte(x), Byte(y), Byte(255 - x / 2)}; }},
        {"radial", [](int x, int y) {
             const double d = std::hypot(x - 128, y - 100) / 181;
             return Rgb{Byte(255 * (1 - d)), Byte(200 * d), Byte(120 + 100 * std::sin(6 * d))};
         }},
        {"soft photo", [](int x, int y) {
             return Rgb{Byte(128 + 90 * std::sin(x / 23.0) * std::cos(y / 31.0)),
                        Byte(110 + 80 * std::sin((x + y) / 40.0)), Byte(90 + 70 * std::cos(x / 17.0 - y / 29.0))};
         }},
        {"skin and sky", [](int x, int y) {
             const double t = y / 255.0;
             return Rgb{Byte(230 - 120 * t + 10 * std::sin(x / 9.0)), Byte(180 - 20 * t), Byte(150 + 90 * t)};
         }},
        {"logo", [](int x, int y) {
             if (std::hypot(x - 80, y - 80) < 50) return Rgb{220, 30, 40};
             if (x > 140 && x < 230 && y > 40 && y < 130) return Rgb{20, 60, 200};
             if (y > 150 && y < 230 && std::abs(x - 128) < (y - 150)) return Rgb{30, 170, 60};
             return Rgb{255, 255, 255};
         }},
        {"line art", [](int x, int y) {
             const bool bLine = (x + y) % 32 == 0 || std::abs(std::hypot(x - 128, y - 128) - 90) < 0.7 || x % 64 == 5;
             return bLine ? Rgb{0, 0, 0} : Rgb{250, 250, 245};
         }},
        {"text", [](int x, int y) {
             // Rows of 6 x 9 cells, each a few strokes of a made-up glyph.
             const int cx = x % 8, cy = y % 12, glyph = (x / 8 * 7 + y / 12 * 13) % 11;
             const bool bStroke = cx < 6 && cy < 9 &&
                                  ((cx == 0 && glyph % 2) || (cy == 0 && glyph % 3) || (cy == 4 && glyph > 4) ||
                                   (cx == 5 && glyph % 5 == 1) || (cy == 8 && glyph < 6));
             return bStroke ? Rgb{10, 10, 10} : Rgb{255, 255, 255};
         }},
        {"night scene", [](int x, int y) {
             const bool bStar = (x * 7919 + y * 104729) % 211 == 0;
             return bStar ? Rgb{255, 255, 230} : Rgb{Byte(10 + y / 10), Byte(12 + y / 8), Byte(40 + y / 4)};
         }},
        {"pastel bands", [](int x, int y) {
             return Rgb{Byte(200 + 40 * std::sin(x / 30.0)), Byte(190 + 50 * std::sin(y / 25.0 + 1)),
                        Byte(210 + 30 * std::sin((x - y) / 35.0))};
         }},
    };
}

RgbImage Make(const Picture& picture)
{
    RgbImage image(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const Rgb c = picture.pixel(x, y);
            std::uint8_t* p = image.Pixel(x, y);
            p[0] = c.r;
            p[1] = c.g;
            p[2] = c.b;
        }
    }
    return image;
}

bool Write(const std::string& path, const char* magic, int w, int h, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    std::fprintf(file, "%s\n%d %d\n255\n", magic, w, h);
    const bool bWritten = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && bWritten;
}

// A binary PGM or PPM of 8-bit samples, as ImageMagick writes them; empty when it is not one.
std::vector<std::uint8_t> Read(const std::string& path, std::size_t nExpected)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return {};
    char magic[3] = {};
    int w = 0, h = 0, maxval = 0;
    std::vector<std::uint8_t> bytes(nExpected);
    const bool bRead = std::fscanf(file, "%2s %d %d %d", magic, &w, &h, &maxval) == 4 && maxval == 255 &&
                       std::fgetc(file) != EOF && std::fread(bytes.data(), 1, nExpected, file) == nExpected;
    std::fclose(file);
    return bRead ? bytes : std::vector<std::uint8_t>{};
}

GreyImage ShownGrey(const std::vector<std::uint16_t>& codes, const GreyLevels& levels)
{
    GreyImage grey{kSide, kSide, std::vector<std::uint8_t>(codes.size())};
    for (std::size_t i = 0; i < codes.size(); ++i) grey.grey[i] = levels.Shown(codes[i]).g;
    return grey;
}

// The same grey reduction by ImageMagick, from the same luminance picture.
GreyImage ImageMagickGrey(const std::string& reference, int nLevels, DitherMethod method)
{
    const std::string palette = ScratchPath("levels" + std::to_string(nLevels) + ".pgm");
    std::vector<std::uint8_t> levels;
    for (int l = 0; l < nLevels; ++l) levels.push_back(static_cast<std::uint8_t>(l * 255 / (nLevels - 1)));
    const std::string out = ScratchPath("im.pgm");
    const std::string how = method == DitherMethod::Ordered
                                ? "-ordered-dither o8x8," + std::to_string(nLevels)
                                : "-dither FloydSteinberg -remap " + palette;
    if (!Write(palette, "P5", nLevels, 1, levels) ||
        std::system(("convert " + reference + " " + how + " -depth 8 " + out).c_str()) != 0)
        return {};
    return {kSide, kSide, Read(out, std::size_t(kSide) * kSide)};
}

// The picture a peer's command writes to out as an 8-bit PPM; empty when it fails.
RgbImage PeerPicture(const std::string& command, const std::string& out)
{
    if (std::system(command.c_str()) != 0) return {};
    RgbImage image(kSide, kSide);
    image.rgb = Read(out, image.rgb.size());
    return image;
}

RgbImage ImageMagickPalette(const std::string& original, int nColours)
{
    const std::string out = ScratchPath("im.ppm");
    return PeerPicture("convert " + original + " +dither -colors " + std::to_string(nColours) + " -depth 8 " + out, out);
}

// The palette pngquant chooses, undithered as ours is; it reads and writes PNG only.
RgbImage PngquantPalette(const std::string& original, int nColours)
{
    const std::string png = ScratchPath("original.png"), quantised = ScratchPath("pngquant.png"),
                      out = ScratchPath("pngquant.ppm");
    const std::string commands = "convert " + original + " " + png + " && pngquant --force --nofs --output " +
                                 quantised + " " + std::to_string(nColours) + " " + png + " && convert " + quantised +
                                 " -depth 8 " + out;
    return PeerPicture(commands, out);
}

// The 5-6-5 reduction by ImageMagick: ordered at 32, 64 and 32 levels, or
// Floyd-Steinberg onto every colour 5-6-5 shows.
RgbImage ImageMagick565(const std::string& original, const ColourLevels& levels, DitherMethod method)
{
    const std::string out = ScratchPath("im565.ppm");
    std::string how = "-ordered-dither o8x8,32,64,32";
    if (method != DitherMethod::Ordered) {
        const std::string palette = ScratchPath("565.ppm");
        std::vector<std::uint8_t> colours;
        for (std::uint32_t code = 0; code < 65536; ++code) {
            const Rgb c = levels.Shown(static_cast<std::uint16_t>(code));
            colours.insert(colours.end(), {c.r, c.g, c.b});
        }
        if (!Write(palette, "P6", 256, 256, colours)) return {};
        how = "-dither FloydSteinberg -remap " + palette;
    }
    return PeerPicture("convert " + original + " " + how + " -depth 8 " + out, out);
}

// Blurred SSIM of each channel, averaged.
double ChannelSsim(const RgbImage& a, const RgbImage& b)
{
    double dSum = 0;
    for (std::size_t c = 0; c < 3; ++c) {
        GreyImage ga{kSide, kSide, {}}, gb{kSide, kSide, {}};
        for (std::size_t i = c; i < a.rgb.size(); i += 3) {
            ga.grey.push_back(a.rgb[i]);
            gb.grey.push_back(b.rgb[i]);
        }
        dSum += BlurredSsim(ga, gb);
    }
    return dSum / 3;
}

void Row(const char* picture, const std::string& reduction, double dOurs, double dTheirs, bool bHigherIsBetter,
         const char* peer = "ImageMagick")
{
    const bool bMet = bHigherIsBetter ? dOurs >= dTheirs : dOurs <= dTheirs;
    std::printf("| %s | %s | %.4f | %.4f %s | %s |\n", picture, reduction.c_str(), dOurs, dTheirs, peer,
                bMet ? "yes" : "NO");
}

} // namespace

void ReportQualityTable()
{
    std::printf("\n| picture | reduction | ours | theirs | no worse |\n|---|---|---:|---:|---|\n");
    for (const Picture& picture : Pictures()) {
        const RgbImage image = Make(picture);
        const GreyImage luminance = LuminanceImage(image);
        const std::string reference = ScratchPath("reference.pgm"), original = ScratchPath("original.ppm");
        if (!Write(reference, "P5", kSide, kSide, luminance.grey) || !Write(original, "P6", kSide, kSide, image.rgb))
            continue;
        for (int nBits : {1, 4}) {
            const GreyLevels levels = GreyScale(nBits);
            for (DitherMethod method : {DitherMethod::FloydSteinberg, DitherMethod::Ordered}) {
                const GreyImage theirs = ImageMagickGrey(reference, 1 << nBits, method);
                if (theirs.grey.empty()) continue;
                const GreyImage ours = ShownGrey(Dither(luminance, levels, method), levels);
                Row(picture.name,
                    std::string(nBits == 1 ? "two colours" : "grey4") +
                        (method == DitherMethod::Ordered ? " ordered" : " Floyd-Steinberg") + ", blurred SSIM",
                    BlurredSsim(luminance, ours), BlurredSsim(luminance, theirs), true);
            }
        }
        const ColourLevels rgb565 = MaskedChannels(ColorMode::Rgb565, Rounding::Truncate);
        for (DitherMethod method : {DitherMethod::FloydSteinberg, DitherMethod::Ordered}) {
            const RgbImage theirs = ImageMagick565(original, rgb565, method);
            if (theirs.rgb.empty()) continue;
            const RgbImage ours = ShownPicture(Dither(image, rgb565, method), kSide, kSide, rgb565);
            Row(picture.name,
                std::string("565") + (method == DitherMethod::Ordered ? " ordered" : " Floyd-Steinberg") +
                    ", blurred SSIM of each channel",
                ChannelSsim(image, ours), ChannelSsim(image, theirs), true);
        }
        for (int nColours : {4, 16}) {
            const PaletteQuantiser palette(ChoosePalette(image, nColours));
            if (palette.Colours().empty()) continue;
            const RgbImage ours = ShownPicture(Dither(image, palette, DitherMethod::None), kSide, kSide, palette);
            const std::pair<const char*, RgbImage> peers[] = {{"ImageMagick", ImageMagickPalette(original, nColours)},
                                                              {"pngquant", PngquantPalette(original, nColours)}};
            for (const auto& [peer, theirs] : peers) {
                if (theirs.rgb.empty()) continue;
                Row(picture.name, std::to_string(nColours) + " colours, mean CIEDE2000", MeanCiede2000(image, ours),
                    MeanCiede2000(image, theirs), false, peer);
            }
        }
    }
}

} // namespace bench
