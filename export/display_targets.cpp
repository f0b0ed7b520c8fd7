// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/display_targets.h"

#include "core/pixel_format.h"
#include "export/bytes_layout.h"
#include "export/bytes_writer.h"
#include "export/export_format.h"
#include "export/export_job.h"
#include "export/export_name.h"
#include "export/text_writer.h"

namespace {

constexpr int kBytesPerLine = 16;
constexpr int kWordsPerLine = 12;

// How a target lays out the data: the bytes format's layout with these
// options, then, for 32-bit pixels, an opaque fourth byte after each pixel.
struct TargetLayout {
    const char* pszTarget;
    MonoPacking packing;
    BitOrder bitOrder;
    bool bFourthByte;      // 24-bit pixels as B, G, R, 0xFF
    bool bWords;           // 16-bit pixels as uint16_t values instead of bytes
};

constexpr TargetLayout kLayouts[] = {
    {"u8g2", MonoPacking::Rows, BitOrder::Lsb, false, false},
    {"adafruit-gfx", MonoPacking::Rows, BitOrder::Msb, false, true},
    {"tft-espi", MonoPacking::Rows, BitOrder::Msb, false, true},
    {"ssd1306", MonoPacking::Pages, BitOrder::Lsb, false, false},
    {"sh1106", MonoPacking::Pages, BitOrder::Lsb, false, false},
    {"xbm", MonoPacking::Rows, BitOrder::Lsb, false, false},
    {"lvgl9", MonoPacking::Rows, BitOrder::Msb, false, false},
    {"lvgl9-xrgb8888", MonoPacking::Rows, BitOrder::Msb, true, false},
    {"lvgl8", MonoPacking::Rows, BitOrder::Msb, true, false},
};

const TargetLayout* FindLayout(std::string_view target)
{
    for (const TargetLayout& layout : kLayouts)
        if (target == layout.pszTarget) return &layout;
    return nullptr;
}

BytesOptions LayoutOptions(const TargetLayout& layout, bool bInvert)
{
    BytesOptions options;
    options.packing = layout.packing;
    options.bitOrder = layout.bitOrder;
    options.byteOrder = ByteOrder::Little;
    options.rgbOrder = RgbOrder::Bgr;
    options.bInvert = bInvert;
    return options;
}

std::int64_t DataBytes(const TargetLayout& layout, ColorMode mode, std::int64_t nWidth, std::int64_t nHeight)
{
    if (layout.bFourthByte && mode == ColorMode::Full) return nWidth * nHeight * 4;
    return BytesCount(mode, nWidth, nHeight, LayoutOptions(layout, false));
}

// LVGL 9's palette before the indices: 2^bits colours B, G, R, A; the
// entries the picture leaves unused are transparent white, as LVGL's
// converter fills them.
std::int64_t PaletteBytes(ColorMode mode)
{
    return 4 * static_cast<std::int64_t>(FindPixelFormat(mode)->PaletteSize());
}

std::vector<std::uint8_t> LvglPalette(const CapturedPicture& picture)
{
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < FindPixelFormat(picture.mode)->PaletteSize(); ++i) {
        const bool bUsed = static_cast<std::size_t>(i) < picture.palette.size();
        const std::uint32_t colour = bUsed ? picture.palette[static_cast<std::size_t>(i)] : 0xFFFFFF;
        bytes.insert(bytes.end(), {static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                                   static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(bUsed ? 0xFF : 0)});
    }
    return bytes;
}

// The bytes as the target keeps them in memory.
std::vector<std::uint8_t> DataOf(std::string_view target, const ExportJob& job)
{
    const TargetLayout& layout = *FindLayout(target);
    std::vector<std::uint8_t> bytes = PackBytes(job.picture, LayoutOptions(layout, job.bytes.bInvert));
    if (FindPixelFormat(job.picture.mode)->UsesPalette()) {
        std::vector<std::uint8_t> palette = LvglPalette(job.picture);
        bytes.insert(bytes.begin(), palette.begin(), palette.end());
    }
    if (!layout.bFourthByte || job.picture.mode != ColorMode::Full) return bytes;
    std::vector<std::uint8_t> wide(bytes.size() / 3 * 4);
    for (std::size_t i = 0, k = 0; i < bytes.size(); i += 3, k += 4) {
        wide[k] = bytes[i];
        wide[k + 1] = bytes[i + 1];
        wide[k + 2] = bytes[i + 2];
        wide[k + 3] = 0xFF;
    }
    return wide;
}

bool WritesWords(std::string_view target, ColorMode mode)
{
    return FindLayout(target)->bWords && mode == ColorMode::Rgb565;
}

void WriteData(TextWriter& out, const std::vector<std::uint8_t>& bytes, bool bWords)
{
    if (!bWords) {
        out.ByteList(bytes.data(), bytes.size(), kBytesPerLine);
        return;
    }
    std::vector<std::uint16_t> words(bytes.size() / 2);
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    out.WordList(words.data(), words.size(), kWordsPerLine);
}

std::string Count(std::int64_t n)
{
    return std::to_string(n);
}

// The first line and the comment saying how to draw the data.
void WriteOpening(TextWriter& out, std::string_view target, const ExportJob& job, const std::string& howTo)
{
    const CapturedPicture& picture = job.picture;
    out.Text(TargetSettingsLine(picture.nWidth, picture.nHeight, target, picture.mode, job.bytes.bInvert) + "\n");
    out.Text("/* " + howTo + " */\n");
}

std::string MonoMeaning(const ExportJob& job)
{
    return std::string("a set bit is a ") + (job.bytes.bInvert ? "white" : "black") + " pixel of the picture";
}

// The size macros, the array's declaration, which gives a const array
// external linkage in C++ too, and its definition.
void WriteExternArray(TextWriter& out, const std::string& name, const char* pszType, const ExportJob& job,
                      std::string_view target)
{
    const CapturedPicture& picture = job.picture;
    const bool bWords = WritesWords(target, picture.mode);
    const std::vector<std::uint8_t> bytes = DataOf(target, job);
    const std::string declarator =
        std::string("const ") + pszType + " " + name + "[" + Count(bWords ? bytes.size() / 2 : bytes.size()) + "] PROGMEM";
    out.Text("#include <stdint.h>\n" + ProgmemPrologue("PROGMEM") + "\n");
    out.Text("#define " + name + "_WIDTH " + Count(picture.nWidth) + "\n#define " + name + "_HEIGHT " +
             Count(picture.nHeight) + "\n\n");
    out.Text(kExternCBegin);
    out.Text("extern " + declarator + ";\n");
    out.Text(kExternCEnd);
    out.Text(declarator + " = {\n");
    WriteData(out, bytes, bWords);
    out.Text("};\n");
}

// The XBM layout that u8g2 and X11 share: NAME_width, NAME_height, NAME_bits.
void WriteXbmArray(TextWriter& out, const std::string& name, const ExportJob& job, std::string_view target,
                   const char* pszQualifier)
{
    out.Text("#define " + name + "_width " + Count(job.picture.nWidth) + "\n#define " + name + "_height " +
             Count(job.picture.nHeight) + "\n" + pszQualifier + name + "_bits[] " +
             (std::string_view(target) == "u8g2" ? "U8X8_PROGMEM " : "") + "= {\n");
    const std::vector<std::uint8_t> bytes = DataOf(target, job);
    out.ByteList(bytes.data(), bytes.size(), kBytesPerLine);
    out.Text("};\n");
}

void WritePageSource(TextWriter& out, const ExportJob& job, std::string_view target, const std::string& commands)
{
    const CapturedPicture& picture = job.picture;
    const std::string name = MakeCIdentifier(job.exportName);
    const std::int64_t nPages = (picture.nHeight + 7) / 8;
    WriteOpening(out, target, job,
                 Count(nPages) + " pages of 8 rows from the top, " + Count(picture.nWidth) +
                     " bytes a page: byte k of a page holds column k,\n   its top row in bit 0; " + MonoMeaning(job) +
                     ", a lit pixel of the panel.\n   " + commands);
    WriteExternArray(out, name, "uint8_t", job, target);
}

// LVGL 9's grey and indexed colour formats, as lv_color.h numbers them.
struct Lvgl9Format {
    ColorMode mode;
    const char* pszName;
    std::uint8_t nValue;
};

constexpr Lvgl9Format kLvgl9GreyAndIndexed[] = {
    {ColorMode::Grey8, "L8", 0x06},  {ColorMode::Index1, "I1", 0x07}, {ColorMode::Index2, "I2", 0x08},
    {ColorMode::Index4, "I4", 0x09}, {ColorMode::Index8, "I8", 0x0A},
};

const Lvgl9Format* FindLvgl9GreyOrIndexed(ColorMode mode)
{
    for (const Lvgl9Format& format : kLvgl9GreyAndIndexed)
        if (format.mode == mode) return &format;
    return nullptr;
}

const char* Lvgl9FormatName(ColorMode mode, bool bFourthByte)
{
    if (const Lvgl9Format* format = FindLvgl9GreyOrIndexed(mode)) return format->pszName;
    if (mode == ColorMode::Rgb565) return "RGB565";
    return bFourthByte ? "XRGB8888" : "RGB888";
}

std::uint8_t Lvgl9FormatValue(ColorMode mode, bool bFourthByte)
{
    if (const Lvgl9Format* format = FindLvgl9GreyOrIndexed(mode)) return format->nValue;
    if (mode == ColorMode::Rgb565) return 0x12;
    return bFourthByte ? 0x11 : 0x0F;
}

// What the comment says of the data's layout beside its colour format.
std::string Lvgl9Layout(const CapturedPicture& picture, std::int64_t nStride)
{
    const PixelFormat& format = *FindPixelFormat(picture.mode);
    std::string text = "rows from the top, " + std::to_string(nStride) + " bytes a row.";
    if (format.UsesPalette())
        text = "a palette of " + std::to_string(format.PaletteSize()) + " colours B, G, R, A first, then " + text +
               (format.nStorageBits < 8 ? "\n   The leftmost pixel is in the high bits of its byte." : "");
    return text;
}

// LVGL keeps the image in a static byte array and describes it with a
// descriptor. C takes designated initialisers; C++17 has none, so there
// the descriptor is filled field by field.
void WriteLvglSource(TextWriter& out, const ExportJob& job, std::string_view target, bool bVersion9)
{
    const CapturedPicture& picture = job.picture;
    const std::string name = MakeCIdentifier(job.exportName);
    const TargetLayout& layout = *FindLayout(target);
    const std::vector<std::uint8_t> bytes = DataOf(target, job);
    const std::int64_t nStride = DataBytes(layout, picture.mode, picture.nWidth, 1);
    const std::string type = bVersion9 ? "lv_image_dsc_t" : "lv_img_dsc_t";
    std::vector<std::pair<std::string, std::string>> fields;
    if (bVersion9) {
        const std::string format = Lvgl9FormatName(picture.mode, layout.bFourthByte);
        WriteOpening(out, target, job,
                     "LVGL 9: LV_IMAGE_DECLARE(" + name + "); lv_image_set_src(image, &" + name +
                         ");\n   colour format " + format + ", " + Lvgl9Layout(picture, nStride));
        fields = {{"header.magic", "LV_IMAGE_HEADER_MAGIC"}, {"header.cf", "LV_COLOR_FORMAT_" + format},
                  {"header.flags", "0"},                     {"header.w", Count(picture.nWidth)},
                  {"header.h", Count(picture.nHeight)},      {"header.stride", Count(nStride)}};
    } else {
        const bool b565 = picture.mode == ColorMode::Rgb565;
        WriteOpening(out, target, job,
                     "LVGL 8: LV_IMG_DECLARE(" + name + "); lv_img_set_src(image, &" + name + ");\n   " +
                         (b565 ? "RGB565 values, low byte first, for LV_COLOR_DEPTH 16 with LV_COLOR_16_SWAP 0"
                               : "B, G, R, 0xFF a pixel, for LV_COLOR_DEPTH 32") +
                         ", rows from the top.");
        fields = {{"header.cf", "LV_IMG_CF_TRUE_COLOR"}, {"header.always_zero", "0"}, {"header.reserved", "0"},
                  {"header.w", Count(picture.nWidth)},    {"header.h", Count(picture.nHeight)}};
    }
    fields.push_back({"data_size", Count(static_cast<std::int64_t>(bytes.size()))});
    fields.push_back({"data", name + "_map"});

    out.Text("#if defined(LV_LVGL_H_INCLUDE_SIMPLE)\n#include \"lvgl.h\"\n#else\n#include \"lvgl/lvgl.h\"\n#endif\n\n");
    if (!bVersion9) {
        out.Text(picture.mode == ColorMode::Rgb565 ? "#if LV_COLOR_DEPTH != 16 || LV_COLOR_16_SWAP != 0\n"
                                                   : "#if LV_COLOR_DEPTH != 32\n");
        out.Text("#error \"" + name + " does not fit the colour depth of lv_conf.h\"\n#endif\n\n");
    }
    out.Text("#ifndef LV_ATTRIBUTE_MEM_ALIGN\n#define LV_ATTRIBUTE_MEM_ALIGN\n#endif\n"
             "#ifndef LV_ATTRIBUTE_LARGE_CONST\n#define LV_ATTRIBUTE_LARGE_CONST\n#endif\n\n");
    out.Text("static const LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_LARGE_CONST uint8_t " + name + "_map[" +
             Count(static_cast<std::int64_t>(bytes.size())) + "] = {\n");
    out.ByteList(bytes.data(), bytes.size(), kBytesPerLine);
    out.Text("};\n\n");
    out.Text("#ifdef __cplusplus\n");
    out.Text("static " + type + " " + name + "_make()\n{\n    " + type + " image = {};\n");
    for (const auto& [field, value] : fields) out.Text("    image." + field + " = " + value + ";\n");
    out.Text("    return image;\n}\nextern \"C\" const " + type + " " + name + " = " + name + "_make();\n");
    out.Text("#else\nconst " + type + " " + name + " = {\n");
    for (const auto& [field, value] : fields) out.Text("    ." + field + " = " + value + ",\n");
    out.Text("};\n#endif\n");
}

void WriteLittle16(std::vector<std::uint8_t>& out, std::int64_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void WriteRaw(TextWriter& out, const std::vector<std::uint8_t>& bytes)
{
    out.Raw(bytes.data(), bytes.size());
}

void WriteLvgl9File(TextWriter& out, const ExportJob& job, std::string_view target)
{
    // LVGL 9's image file: magic, colour format, flags, width, height,
    // stride and a reserved word, little-endian, then the data.
    const CapturedPicture& picture = job.picture;
    const std::vector<std::uint8_t> data = DataOf(target, job);
    const TargetLayout& layout = *FindLayout(target);
    std::vector<std::uint8_t> header = {0x19, Lvgl9FormatValue(picture.mode, layout.bFourthByte)};
    WriteLittle16(header, 0);
    WriteLittle16(header, picture.nWidth);
    WriteLittle16(header, picture.nHeight);
    WriteLittle16(header, DataBytes(layout, picture.mode, picture.nWidth, 1));
    WriteLittle16(header, 0);
    WriteRaw(out, header);
    WriteRaw(out, data);
}

} // namespace

std::optional<std::string> TargetSizeRefusal(std::string_view target, const CapturedPicture& picture)
{
    const TargetLayout* layout = FindLayout(target);
    if (layout == nullptr || !target.starts_with("lvgl")) return {};
    const std::int64_t nLargest = target == "lvgl8" ? 2047 : 65535;
    const std::int64_t nStride = DataBytes(*layout, picture.mode, picture.nWidth, 1);
    if (picture.nWidth > nLargest || picture.nHeight > nLargest || (target != "lvgl8" && nStride > nLargest))
        return "the picture is too large for an " + std::string(target == "lvgl8" ? "LVGL 8" : "LVGL 9") +
               " image, which holds at most " + std::to_string(nLargest) +
               (target == "lvgl8" ? " pixels a side" : " pixels a side and bytes a row");
    return {};
}

bool IsMonoMode(ColorMode mode)
{
    return mode == ColorMode::Mono;
}

bool Is565Mode(ColorMode mode)
{
    return mode == ColorMode::Rgb565;
}

bool Is565OrFullMode(ColorMode mode)
{
    return mode == ColorMode::Rgb565 || mode == ColorMode::Full;
}

bool IsFullMode(ColorMode mode)
{
    return mode == ColorMode::Full;
}

bool IsAdafruitGfxMode(ColorMode mode)
{
    return mode == ColorMode::Mono || mode == ColorMode::Rgb565 || mode == ColorMode::Grey8;
}

bool IsLvgl9Mode(ColorMode mode)
{
    return Is565OrFullMode(mode) || FindLvgl9GreyOrIndexed(mode) != nullptr;
}

std::string TargetSettingsLine(std::int64_t nWidth, std::int64_t nHeight, std::string_view target, ColorMode mode,
                               bool bInvert)
{
    return "/* " + Count(nWidth) + "x" + Count(nHeight) + " pixels, tovix-export --for " + std::string(target) + " -m " +
           ModeWord(mode) + (bInvert ? " --invert" : "") + " */";
}

void WriteU8g2Source(TextWriter& out, const ExportJob& job)
{
    const std::string name = MakeCIdentifier(job.exportName);
    WriteOpening(out, "u8g2", job,
                 "u8g2: u8g2.drawXBMP(x, y, " + name + "_width, " + name + "_height, " + name +
                     "_bits); in C u8g2_DrawXBMP(&u8g2, ...).\n   XBM rows from the top, (width + 7) / 8 bytes a row, "
                     "the leftmost pixel in bit 0;\n   " + MonoMeaning(job) + ", drawn in the draw colour.");
    // As u8x8.h defines it, so that either may come first.
    out.Text("#ifndef U8X8_PROGMEM\n#ifdef __AVR__\n#include <avr/pgmspace.h>\n#define U8X8_PROGMEM PROGMEM\n#else\n"
             "#define U8X8_PROGMEM\n#endif\n#endif\n\n");
    WriteXbmArray(out, name, job, "u8g2", "static const unsigned char ");
}

void WriteXbmSource(TextWriter& out, const ExportJob& job)
{
    const std::string name = MakeCIdentifier(job.exportName);
    WriteOpening(out, "xbm", job,
                 "X11 bitmap: rows from the top, (width + 7) / 8 bytes a row, the leftmost pixel in bit 0;\n   " +
                     MonoMeaning(job) + ", the foreground.");
    WriteXbmArray(out, name, job, "xbm", "static unsigned char ");
}

void WriteAdafruitGfxSource(TextWriter& out, const ExportJob& job)
{
    const std::string name = MakeCIdentifier(job.exportName);
    if (job.picture.mode == ColorMode::Mono) {
        WriteOpening(out, "adafruit-gfx", job,
                     "Adafruit GFX: display.drawBitmap(x, y, " + name + ", " + name + "_WIDTH, " + name +
                         "_HEIGHT, colour);\n   rows from the top, (width + 7) / 8 bytes a row, the leftmost pixel in "
                         "bit 7;\n   " + MonoMeaning(job) + ", drawn in colour.");
        WriteExternArray(out, name, "uint8_t", job, "adafruit-gfx");
        return;
    }
    if (job.picture.mode == ColorMode::Grey8) {
        WriteOpening(out, "adafruit-gfx", job,
                     "Adafruit GFX: display.drawGrayscaleBitmap(x, y, " + name + ", " + name + "_WIDTH, " + name +
                         "_HEIGHT);\n   one byte a pixel, 0 black to 255 white, rows from the top. drawGrayscaleBitmap hands "
                         "each byte\n   to the display as the pixel's colour: for displays and canvases of 8-bit grey "
                         "(GFXcanvas8).");
        WriteExternArray(out, name, "uint8_t", job, "adafruit-gfx");
        return;
    }
    WriteOpening(out, "adafruit-gfx", job,
                 "Adafruit GFX: display.drawRGBBitmap(x, y, " + name + ", " + name + "_WIDTH, " + name +
                     "_HEIGHT);\n   RGB565 values, rows from the top.");
    WriteExternArray(out, name, "uint16_t", job, "adafruit-gfx");
}

void WriteTftEspiSource(TextWriter& out, const ExportJob& job)
{
    const std::string name = MakeCIdentifier(job.exportName);
    WriteOpening(out, "tft-espi", job,
                 "TFT_eSPI: tft.setSwapBytes(true); tft.pushImage(x, y, " + name + "_WIDTH, " + name + "_HEIGHT, " + name +
                     ");\n   RGB565 values, rows from the top. The processor keeps a uint16_t low byte first and the "
                     "panel\n   takes the high byte first: setSwapBytes(true) makes pushImage swap them.");
    WriteExternArray(out, name, "uint16_t", job, "tft-espi");
}

void WriteSsd1306Source(TextWriter& out, const ExportJob& job)
{
    const CapturedPicture& picture = job.picture;
    const std::int64_t nPages = (picture.nHeight + 7) / 8;
    WritePageSource(out, job, "ssd1306",
                    "SSD1306: send the whole array as one data stream in horizontal addressing mode, after the\n   "
                    "commands 0x20 0x00 (horizontal addressing), 0x21 0 " + Count(picture.nWidth - 1) +
                        " (columns), 0x22 0 " + Count(nPages - 1) + " (pages).");
}

void WriteSh1106Source(TextWriter& out, const ExportJob& job)
{
    const CapturedPicture& picture = job.picture;
    const std::int64_t nPages = (picture.nHeight + 7) / 8;
    WritePageSource(out, job, "sh1106",
                    "SH1106: page addressing only. For each page p from 0 to " + Count(nPages - 1) +
                        ": the commands 0xB0 + p,\n   0x02 and 0x10 (column 2: a 128-pixel panel usually sits in the "
                        "middle of the 132-column memory),\n   then the " + Count(picture.nWidth) +
                        " data bytes from page p * " + Count(picture.nWidth) + ".");
}

void WriteLvgl9Source(TextWriter& out, const ExportJob& job)
{
    WriteLvglSource(out, job, "lvgl9", true);
}

void WriteLvgl9XrgbSource(TextWriter& out, const ExportJob& job)
{
    WriteLvglSource(out, job, "lvgl9-xrgb8888", true);
}

void WriteLvgl8Source(TextWriter& out, const ExportJob& job)
{
    WriteLvglSource(out, job, "lvgl8", false);
}

void WriteXbmRowsBin(TextWriter& out, const ExportJob& job)
{
    WriteRaw(out, DataOf("xbm", job));
}

void WriteGfxBin(TextWriter& out, const ExportJob& job)
{
    WriteRaw(out, DataOf("adafruit-gfx", job));
}

void WritePagesBin(TextWriter& out, const ExportJob& job)
{
    WriteRaw(out, DataOf("ssd1306", job));
}

void WriteLvgl9Bin(TextWriter& out, const ExportJob& job)
{
    WriteLvgl9File(out, job, "lvgl9");
}

void WriteLvgl9XrgbBin(TextWriter& out, const ExportJob& job)
{
    WriteLvgl9File(out, job, "lvgl9-xrgb8888");
}

void WriteLvgl8Bin(TextWriter& out, const ExportJob& job)
{
    WriteRaw(out, DataOf("lvgl8", job));
}

void WriteBytesBin(TextWriter& out, const ExportJob& job)
{
    // A palette format's palette goes first, as LVGL lays its indexed images out.
    if (FindPixelFormat(job.picture.mode)->UsesPalette()) WriteRaw(out, PackPalette(job.picture, job.bytes));
    WriteRaw(out, PackBytes(job.picture, job.bytes));
}

bool IsTargetStart(std::string_view first)
{
    return first.starts_with("/* ") && first.find(" pixels, tovix-export --for ") != std::string_view::npos;
}

ReadError ReadTargetSource(std::string_view first, Lines& lines, PictureBuffer& picture)
{
    const std::string wrongFirst = "the first line is not \"/* WIDTHxHEIGHT pixels, tovix-export --for TARGET -m MODE */\"";
    const std::vector<std::int64_t> numbers = NumbersIn(first.substr(0, first.find(" pixels")));
    const std::size_t nTarget = first.find("--for ") + 6;
    const std::size_t nMode = first.find(" -m ", nTarget);
    if (numbers.size() != 2 || nMode == std::string_view::npos) return AtLine(1, wrongFirst);
    const TargetLayout* layout = FindLayout(first.substr(nTarget, nMode - nTarget));
    const std::string_view modeWord = first.substr(nMode + 4, first.find(' ', nMode + 4) - (nMode + 4));
    const PixelFormat* format = FindPixelFormat(modeWord);
    const OutputFormat* row = layout != nullptr ? FindOutputFormat("bytes", layout->pszTarget) : nullptr;
    if (row == nullptr || format == nullptr || !row->TakesMode(format->mode)) return AtLine(1, wrongFirst);
    const bool bInvert = first.ends_with(" --invert */");
    if (first != TargetSettingsLine(numbers[0], numbers[1], layout->pszTarget, format->mode, bInvert))
        return AtLine(1, wrongFirst);
    if (ReadError error = CheckSize(1, numbers[0], numbers[1])) return error;

    // The data is the first array; an LVGL descriptor may follow it.
    std::string_view line;
    do {
        if (!lines.Next(line)) return AtLine(lines.Number(), "the file ends before the array");
    } while (!line.ends_with("= {"));
    const bool bWords = layout->bWords && format->mode == ColorMode::Rgb565;
    const std::int64_t nPaletteBytes = PaletteBytes(format->mode);
    const std::int64_t nBytes = nPaletteBytes + DataBytes(*layout, format->mode, numbers[0], numbers[1]);
    std::vector<std::uint32_t> values;
    const ValueFormat valueFormat = bWords ? ValueFormat{4, true, 0xFFFF} : ValueFormat{2, true, 0xFF};
    if (ReadError error = ReadValues(lines, valueFormat, static_cast<std::size_t>(bWords ? nBytes / 2 : nBytes), values))
        return error;
    if (!lines.Next(line) || line != "};") return AtLine(lines.Number(), "\"};\" does not follow the values");

    std::vector<std::uint32_t> palette;
    for (std::size_t i = 0; i < static_cast<std::size_t>(nPaletteBytes); i += 4)
        palette.push_back(values[i] << 16 | values[i + 1] << 8 | values[i + 2]);
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = static_cast<std::size_t>(nPaletteBytes); i < values.size(); ++i) {
        if (layout->bFourthByte && format->mode == ColorMode::Full && i % 4 == 3) continue;
        bytes.push_back(static_cast<std::uint8_t>(values[i]));
        if (bWords) bytes.push_back(static_cast<std::uint8_t>(values[i] >> 8));
    }
    const auto nWidth = static_cast<std::int32_t>(numbers[0]);
    const auto nHeight = static_cast<std::int32_t>(numbers[1]);
    picture = DecodedPicture(format->mode, nWidth, nHeight,
                             UnpackBytes(bytes, format->mode, nWidth, nHeight, LayoutOptions(*layout, bInvert)), palette);
    return {};
}
