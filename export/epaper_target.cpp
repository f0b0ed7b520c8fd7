// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/epaper_target.h"

#include "core/dither.h"
#include "export/bytes_writer.h"
#include "export/display_targets.h"
#include "export/export_job.h"
#include "export/export_name.h"
#include "export/text_writer.h"

#include <array>

namespace {

constexpr int kBytesPerLine = 16;

struct Panel {
    const char* pszTarget;
    const char* pszInk;   // the colour plane's name and the ink's word
    Rgb ink;
};

constexpr Panel kPanels[] = {
    {"epaper", "red", {255, 0, 0}},
    {"epaper-yellow", "yellow", {255, 255, 0}},
};

const Panel* FindPanel(std::string_view target)
{
    for (const Panel& panel : kPanels)
        if (target == panel.pszTarget) return &panel;
    return nullptr;
}

// The quantiser's codes, in the order ties go.
enum Code : std::uint16_t { kWhiteCode, kBlackCode, kInkCode };

PaletteQuantiser Inks(const Panel& panel)
{
    return PaletteQuantiser({{255, 255, 255}, {0, 0, 0}, panel.ink});
}

std::int64_t PlaneBytes(std::int64_t nWidth, std::int64_t nHeight)
{
    return (nWidth + 7) / 8 * nHeight;
}

// The black plane, then the ink plane.
std::vector<std::uint8_t> Planes(const Panel& panel, const ExportJob& job)
{
    const CapturedPicture& picture = job.picture;
    const PaletteQuantiser inks = Inks(panel);
    // Undithered, each pixel takes its own code: no copy of the picture needed.
    std::vector<std::uint16_t> dithered;
    if (job.dither != DitherMethod::None) {
        RgbImage image(picture.nWidth, picture.nHeight);
        std::uint8_t* rgb = image.rgb.data();
        for (std::uint32_t packed : picture.pixels) {
            *rgb++ = static_cast<std::uint8_t>(packed);
            *rgb++ = static_cast<std::uint8_t>(packed >> 8);
            *rgb++ = static_cast<std::uint8_t>(packed >> 16);
        }
        dithered = Dither(image, inks, job.dither);
    }
    const auto CodeOf = [&](std::size_t i) -> std::uint16_t {
        if (!dithered.empty()) return dithered[i];
        const std::uint32_t packed = picture.pixels[i];
        return inks.Code(static_cast<int>(packed & 0xFF), static_cast<int>(packed >> 8 & 0xFF), static_cast<int>(packed >> 16));
    };
    const std::int64_t nRowBytes = (picture.nWidth + 7) / 8;
    const std::int64_t nPlane = PlaneBytes(picture.nWidth, picture.nHeight);
    // White everywhere, padding included, until ink clears a bit.
    std::vector<std::uint8_t> planes(static_cast<std::size_t>(2 * nPlane), 0xFF);
    std::size_t i = 0;
    for (std::int32_t y = 0; y < picture.nHeight; ++y) {
        for (std::int32_t x = 0; x < picture.nWidth; ++x, ++i) {
            const std::uint16_t nCode = CodeOf(i);
            if (nCode == kWhiteCode) continue;
            const std::int64_t nByte = (nCode == kInkCode ? nPlane : 0) + y * nRowBytes + x / 8;
            planes[static_cast<std::size_t>(nByte)] &= static_cast<std::uint8_t>(~(0x80 >> (x % 8)));
        }
    }
    return planes;
}

void WriteSource(TextWriter& out, const ExportJob& job, const Panel& panel)
{
    const CapturedPicture& picture = job.picture;
    const std::string name = MakeCIdentifier(job.exportName);
    const std::string ink = panel.pszInk;
    const std::vector<std::uint8_t> planes = Planes(panel, job);
    const std::size_t nPlane = planes.size() / 2;
    out.Text(TargetSettingsLine(picture.nWidth, picture.nHeight, panel.pszTarget, picture.mode, false) + "\n");
    out.Text("/* Three-colour e-paper (black, white, " + ink + "): GxEPD2\n   display.drawImage(" + name + "_black, " +
             name + "_" + ink + ", x, y, " + name + "_WIDTH, " + name + "_HEIGHT, false, false, true);\n"
             "   Waveshare: send " + name + "_black as the black data and " + name + "_" + ink +
             " as the colour data.\n   Each plane: rows from the top, (width + 7) / 8 bytes a row, the leftmost pixel "
             "in bit 7;\n   a 0 bit is ink, a 1 bit white. A " + ink + " pixel is white in " + name + "_black. */\n");
    out.Text("#include <stdint.h>\n" + ProgmemPrologue("PROGMEM") + "\n");
    out.Text("#define " + name + "_WIDTH " + std::to_string(picture.nWidth) + "\n#define " + name + "_HEIGHT " +
             std::to_string(picture.nHeight) + "\n\n");
    const std::array<std::string, 2> declarators = {
        "const uint8_t " + name + "_black[" + std::to_string(nPlane) + "] PROGMEM",
        "const uint8_t " + name + "_" + ink + "[" + std::to_string(nPlane) + "] PROGMEM"};
    out.Text(kExternCBegin);
    for (const std::string& declarator : declarators) out.Text("extern " + declarator + ";\n");
    out.Text(kExternCEnd);
    for (std::size_t k = 0; k < 2; ++k) {
        out.Text((k == 0 ? "" : "\n") + declarators[k] + " = {\n");
        out.ByteList(planes.data() + k * nPlane, nPlane, kBytesPerLine);
        out.Text("};\n");
    }
}

void WriteBin(TextWriter& out, const ExportJob& job, const Panel& panel)
{
    const std::vector<std::uint8_t> planes = Planes(panel, job);
    out.Raw(planes.data(), planes.size());
}

} // namespace

void WriteEpaperRedSource(TextWriter& out, const ExportJob& job)
{
    WriteSource(out, job, kPanels[0]);
}

void WriteEpaperYellowSource(TextWriter& out, const ExportJob& job)
{
    WriteSource(out, job, kPanels[1]);
}

void WriteEpaperRedBin(TextWriter& out, const ExportJob& job)
{
    WriteBin(out, job, kPanels[0]);
}

void WriteEpaperYellowBin(TextWriter& out, const ExportJob& job)
{
    WriteBin(out, job, kPanels[1]);
}

bool IsEpaperTarget(std::string_view target)
{
    return FindPanel(target) != nullptr;
}

ReadError ReadEpaperPlanes(std::string_view target, std::int32_t nWidth, std::int32_t nHeight, Lines& lines,
                           PictureBuffer& picture)
{
    const Panel& panel = *FindPanel(target);
    const std::size_t nPlane = static_cast<std::size_t>(PlaneBytes(nWidth, nHeight));
    std::vector<std::uint32_t> planes[2];
    for (std::vector<std::uint32_t>& plane : planes) {
        std::string_view line;
        do {
            if (!lines.Next(line)) return AtLine(lines.Number(), "the file ends before the array");
        } while (!line.ends_with("= {"));
        if (ReadError error = ReadValues(lines, {2, true, 0xFF}, nPlane, plane)) return error;
        if (!lines.Next(line) || line != "};") return AtLine(lines.Number(), "\"};\" does not follow the values");
    }
    // Full colour's value is 0xRRGGBB.
    const std::uint32_t ink = static_cast<std::uint32_t>(panel.ink.r << 16 | panel.ink.g << 8 | panel.ink.b);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(nWidth) * static_cast<std::size_t>(nHeight));
    const std::size_t nRowBytes = (static_cast<std::size_t>(nWidth) + 7) / 8;
    for (std::int32_t y = 0; y < nHeight; ++y) {
        for (std::int32_t x = 0; x < nWidth; ++x) {
            const std::size_t nByte = static_cast<std::size_t>(y) * nRowBytes + static_cast<std::size_t>(x / 8);
            const std::uint32_t nBit = 0x80u >> (x % 8);
            const bool bInk = (planes[1][nByte] & nBit) == 0;
            const bool bBlack = (planes[0][nByte] & nBit) == 0;
            pixels.push_back(bInk ? ink : bBlack ? 0x000000 : 0xFFFFFF);
        }
    }
    picture = DecodedPicture(ColorMode::Full, nWidth, nHeight, pixels);
    return {};
}
