// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/bitmap_targets.h"

#include "export/bytes_writer.h"
#include "export/export_job.h"
#include "export/export_name.h"
#include "export/target_source.h"
#include "export/text_writer.h"

#include <vector>

namespace {

// drawRGBBitmap's mask: rows of (width + 7) / 8 bytes, the leftmost pixel in
// bit 7, a set bit for a pixel drawn, one at least half opaque.
std::vector<std::uint8_t> MaskBytes(const CapturedPicture& picture)
{
    const std::size_t nRowBytes = (static_cast<std::size_t>(picture.nWidth) + 7) / 8;
    std::vector<std::uint8_t> mask(nRowBytes * static_cast<std::size_t>(picture.nHeight));
    std::size_t i = 0;
    for (std::int32_t y = 0; y < picture.nHeight; ++y) {
        for (std::int32_t x = 0; x < picture.nWidth; ++x, ++i) {
            if (picture.Alpha(i) >= 128) mask[static_cast<std::size_t>(y) * nRowBytes + static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    return mask;
}

std::string XbmMacros(const std::string& name, const CapturedPicture& picture)
{
    return "#define " + name + "_width " + std::to_string(picture.nWidth) + "\n#define " + name + "_height " +
           std::to_string(picture.nHeight) + "\n";
}

// As u8x8.h defines it, so that either may come first.
constexpr const char* kU8x8Progmem = "#ifndef U8X8_PROGMEM\n#ifdef __AVR__\n#include <avr/pgmspace.h>\n"
                                     "#define U8X8_PROGMEM PROGMEM\n#else\n#define U8X8_PROGMEM\n#endif\n#endif\n\n";

// The XBM layout that u8g2 and X11 share: NAME_width, NAME_height, NAME_bits.
// qualifier comes before the array's type, pszAttribute after its brackets.
void WriteXbmArray(TextWriter& out, const std::string& name, const ExportJob& job, const DisplayTarget& target,
                   const std::string& qualifier, const char* pszAttribute)
{
    out.Text(qualifier + name + "_bits[] " + pszAttribute + "= {\n");
    WriteTargetData(out, job, target);
    out.Text("};\n");
}

} // namespace

void WriteU8g2Source(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    const std::string name = MakeCIdentifier(job.exportName);
    WriteTargetOpening(out, target, job,
                       "u8g2: u8g2.drawXBMP(x, y, " + name + "_width, " + name + "_height, " + name +
                           "_bits); in C u8g2_DrawXBMP(&u8g2, ...).\n   XBM rows from the top, (width + 7) / 8 bytes a row, "
                           "the leftmost pixel in bit 0;\n   " + MonoMeaning(job) + ", drawn in the draw colour.");
    // With a header that declares it, the array is not static.
    if (HasHeader(job)) {
        out.Text(DeclarationsOrInclude(job, ""));
        WriteXbmArray(out, name, job, target, "const unsigned char ", "U8X8_PROGMEM ");
        return;
    }
    out.Text(kU8x8Progmem + XbmMacros(name, job.picture));
    WriteXbmArray(out, name, job, target, "static const unsigned char ", "U8X8_PROGMEM ");
}

void WriteU8g2Header(TextWriter& out, const ExportJob& job, const DisplayTarget& target, const std::string& guard)
{
    const std::string name = MakeCIdentifier(job.exportName);
    WriteTargetHeader(out, TargetHeaderLine(target, job), guard,
                      kU8x8Progmem + XbmMacros(name, job.picture) + "\n" + kExternCBegin + "extern const unsigned char " +
                          name + "_bits[] U8X8_PROGMEM;\n" + kExternCEnd);
}

void WriteXbmSource(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    const std::string name = MakeCIdentifier(job.exportName);
    WriteTargetOpening(out, target, job,
                       "X11 bitmap: rows from the top, (width + 7) / 8 bytes a row, the leftmost pixel in bit 0;\n   " +
                           MonoMeaning(job) + ", the foreground.");
    out.Text(XbmMacros(name, job.picture));
    WriteXbmArray(out, name, job, target, "static unsigned char ", "");
}

void WriteAdafruitGfxSource(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    const std::string name = MakeCIdentifier(job.exportName);
    if (job.picture.mode == ColorMode::Mono) {
        WriteTargetOpening(out, target, job,
                           "Adafruit GFX: display.drawBitmap(x, y, " + name + ", " + name + "_WIDTH, " + name +
                               "_HEIGHT, colour);\n   rows from the top, (width + 7) / 8 bytes a row, the leftmost pixel in "
                               "bit 7;\n   " + MonoMeaning(job) + ", drawn in colour.");
        WriteExternArray(out, name, job, target);
        return;
    }
    if (job.picture.mode == ColorMode::Grey8) {
        WriteTargetOpening(out, target, job,
                           "Adafruit GFX: display.drawGrayscaleBitmap(x, y, " + name + ", " + name + "_WIDTH, " + name +
                               "_HEIGHT);\n   one byte a pixel, 0 black to 255 white, rows from the top. drawGrayscaleBitmap hands "
                               "each byte\n   to the display as the pixel's colour: for displays and canvases of 8-bit grey "
                               "(GFXcanvas8).");
        WriteExternArray(out, name, job, target);
        return;
    }
    if (job.picture.mode == ColorMode::Rgb565) {
        WriteTargetOpening(out, target, job,
                           "Adafruit GFX: display.drawRGBBitmap(x, y, " + name + ", " + name + "_WIDTH, " + name +
                               "_HEIGHT);\n   RGB565 values, rows from the top.");
        WriteExternArray(out, name, job, target);
        return;
    }
    WriteTargetOpening(out, target, job,
                       "Adafruit GFX: display.drawRGBBitmap(x, y, " + name + ", " + name + "_mask, " + name + "_WIDTH, " +
                           name + "_HEIGHT);\n   RGB565 values, rows from the top; the mask (width + 7) / 8 bytes a row, "
                           "the leftmost pixel in bit 7,\n   a set bit for a pixel drawn: one of alpha 128 or more.");
    WriteExternArray(out, name, job, target);
    const std::vector<std::uint8_t> mask = MaskBytes(job.picture);
    const std::string declarator = MaskDeclarator(name, job.picture);
    out.Text("\n");
    if (!HasHeader(job)) out.Text(kExternCBegin + ("extern " + declarator + ";\n") + kExternCEnd);
    out.Text(declarator + " = {\n");
    out.ByteList(mask.data(), mask.size(), kTargetBytesPerLine);
    out.Text("};\n");
}

void WriteTftEspiSource(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    const std::string name = MakeCIdentifier(job.exportName);
    WriteTargetOpening(out, target, job,
                       "TFT_eSPI: tft.setSwapBytes(true); tft.pushImage(x, y, " + name + "_WIDTH, " + name + "_HEIGHT, " + name +
                           ");\n   RGB565 values, rows from the top. The processor keeps a uint16_t low byte first and the "
                           "panel\n   takes the high byte first: setSwapBytes(true) makes pushImage swap them.");
    WriteExternArray(out, name, job, target);
}

void WriteAdafruitGfxBin(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    WriteTargetRawData(out, job, target);
    if (job.picture.mode != ColorMode::Rgb565A1) return;
    const std::vector<std::uint8_t> mask = MaskBytes(job.picture);
    out.Raw(mask.data(), mask.size());
}
