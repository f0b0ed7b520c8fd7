// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/epaper_target.h"

#include "export/export_job.h"
#include "export/export_name.h"
#include "export/target_source.h"
#include "export/text_writer.h"

#include <string>

namespace {

std::int64_t PlaneBytes(std::int64_t nWidth, std::int64_t nHeight)
{
    return (nWidth + 7) / 8 * nHeight;
}

std::uint32_t Packed(const Rgb& colour)
{
    return std::uint32_t{colour.b} << 16 | std::uint32_t{colour.g} << 8 | colour.r;
}

// The black plane, then the ink plane, split from the values, which index
// EpaperInks: white, black, the colour ink.
std::vector<std::uint8_t> Planes(const CapturedPicture& picture)
{
    const std::int64_t nRowBytes = (picture.nWidth + 7) / 8;
    const std::int64_t nPlane = PlaneBytes(picture.nWidth, picture.nHeight);
    // White everywhere, padding included, until ink clears a bit.
    std::vector<std::uint8_t> planes(static_cast<std::size_t>(2 * nPlane), 0xFF);
    std::size_t i = 0;
    for (std::int32_t y = 0; y < picture.nHeight; ++y) {
        for (std::int32_t x = 0; x < picture.nWidth; ++x, ++i) {
            const std::uint32_t nInk = picture.values[i];
            if (nInk == 0) continue;
            const std::int64_t nByte = (nInk == 2 ? nPlane : 0) + y * nRowBytes + x / 8;
            planes[static_cast<std::size_t>(nByte)] &= static_cast<std::uint8_t>(~(0x80 >> (x % 8)));
        }
    }
    return planes;
}

std::string SettingsLine(const CapturedPicture& picture, const DisplayTarget& target)
{
    // The tool takes -m 24 for a panel; the picture comes in the mode of its reduction.
    return TargetSettingsLine(picture.nWidth, picture.nHeight, target, ColorMode::Full, false);
}

std::vector<std::string> Declarators(const CapturedPicture& picture, const std::string& name, const DisplayTarget& target)
{
    const std::string size = "[" + std::to_string(PlaneBytes(picture.nWidth, picture.nHeight)) + "] PROGMEM";
    return {"const uint8_t " + name + "_black" + size, "const uint8_t " + name + "_" + target.pInk->pszName + size};
}

} // namespace

void WriteEpaperSource(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    const CapturedPicture& picture = job.picture;
    const std::string name = MakeCIdentifier(job.exportName);
    const std::string ink = target.pInk->pszName;
    const std::vector<std::uint8_t> planes = Planes(job.picture);
    const std::size_t nPlane = planes.size() / 2;
    out.Text(SettingsLine(picture, target) + "\n");
    out.Text("/* Three-colour e-paper (black, white, " + ink + "): GxEPD2\n   display.drawImage(" + name + "_black, " +
             name + "_" + ink + ", x, y, " + name + "_WIDTH, " + name + "_HEIGHT, false, false, true);\n"
             "   Waveshare: send " + name + "_black as the black data and " + name + "_" + ink +
             " as the colour data.\n   Each plane: rows from the top, (width + 7) / 8 bytes a row, the leftmost pixel "
             "in bit 7;\n   a 0 bit is ink, a 1 bit white. A " + ink + " pixel is white in " + name + "_black. */\n");
    const std::vector<std::string> declarators = Declarators(picture, name, target);
    out.Text(DeclarationsOrInclude(job, ArrayDeclarations(name, picture, declarators)));
    for (std::size_t k = 0; k < 2; ++k) {
        out.Text((k == 0 ? "" : "\n") + declarators[k] + " = {\n");
        out.ByteList(planes.data() + k * nPlane, nPlane, kTargetBytesPerLine);
        out.Text("};\n");
    }
}

void WriteEpaperHeader(TextWriter& out, const ExportJob& job, const DisplayTarget& target, const std::string& guard)
{
    const std::string name = MakeCIdentifier(job.exportName);
    WriteTargetHeader(out, SettingsLine(job.picture, target), guard,
                      ArrayDeclarations(name, job.picture, Declarators(job.picture, name, target)));
}

void WriteEpaperBin(TextWriter& out, const ExportJob& job, const DisplayTarget&)
{
    const std::vector<std::uint8_t> planes = Planes(job.picture);
    out.Raw(planes.data(), planes.size());
}

std::vector<std::uint32_t> EpaperInks(const PanelInk& ink)
{
    return {0xFFFFFF, 0x000000, Packed(ink.colour)};
}

ReadError ReadEpaperPlanes(const PanelInk& ink, std::int32_t nWidth, std::int32_t nHeight, Lines& lines,
                           PictureBuffer& picture)
{
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
    const std::uint32_t nInk = static_cast<std::uint32_t>(ink.colour.r << 16 | ink.colour.g << 8 | ink.colour.b);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(nWidth) * static_cast<std::size_t>(nHeight));
    const std::size_t nRowBytes = (static_cast<std::size_t>(nWidth) + 7) / 8;
    for (std::int32_t y = 0; y < nHeight; ++y) {
        for (std::int32_t x = 0; x < nWidth; ++x) {
            const std::size_t nByte = static_cast<std::size_t>(y) * nRowBytes + static_cast<std::size_t>(x / 8);
            const std::uint32_t nBit = 0x80u >> (x % 8);
            const bool bInk = (planes[1][nByte] & nBit) == 0;
            const bool bBlack = (planes[0][nByte] & nBit) == 0;
            pixels.push_back(bInk ? nInk : bBlack ? 0x000000 : 0xFFFFFF);
        }
    }
    picture = DecodedPicture(ColorMode::Full, nWidth, nHeight, pixels);
    return {};
}
