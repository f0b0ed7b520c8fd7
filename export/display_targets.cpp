// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/display_targets.h"

#include "core/pixel_format.h"
#include "export/bytes_layout.h"
#include "export/bytes_writer.h"
#include "export/epaper_target.h"
#include "export/export_format.h"
#include "export/export_job.h"
#include "export/export_name.h"
#include "export/text_writer.h"

#include <algorithm>

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
    // A palette's entries the picture leaves unused, B, G, R, A: LVGL 9's
    // converter fills them with transparent white, LVGL 8's with zeros.
    std::uint32_t nUnusedEntry = 0xFFFFFF00;
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
    {"lvgl8", MonoPacking::Rows, BitOrder::Msb, true, false, 0},
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

// Four bytes a pixel: B, G, R, then 0xFF for XRGB8888 or the pixel's alpha.
bool FourBytes(const TargetLayout& layout, ColorMode mode)
{
    return (layout.bFourthByte && mode == ColorMode::Full) || mode == ColorMode::Argb8888;
}

std::int64_t DataBytes(const TargetLayout& layout, ColorMode mode, std::int64_t nWidth, std::int64_t nHeight)
{
    if (FourBytes(layout, mode)) return nWidth * nHeight * 4;
    // RGB565A8: the alpha plane after the colours.
    if (mode == ColorMode::Rgb565A8) return nWidth * nHeight * 3;
    return BytesCount(mode, nWidth, nHeight, LayoutOptions(layout, false));
}

// The bytes a row that LVGL's header gives: the colour plane's alone.
std::int64_t RowStride(const TargetLayout& layout, ColorMode mode, std::int64_t nWidth)
{
    return mode == ColorMode::Rgb565A8 ? 2 * nWidth : DataBytes(layout, mode, nWidth, 1);
}

// LVGL's palette before the indices: 2^bits colours B, G, R, A.
std::int64_t PaletteBytes(ColorMode mode)
{
    return 4 * static_cast<std::int64_t>(FindPixelFormat(mode)->PaletteSize());
}

std::vector<std::uint8_t> LvglPalette(const CapturedPicture& picture, const TargetLayout& layout)
{
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < FindPixelFormat(picture.mode)->PaletteSize(); ++i) {
        const bool bUsed = static_cast<std::size_t>(i) < picture.palette.size();
        const std::uint32_t entry = bUsed ? picture.palette[static_cast<std::size_t>(i)] << 8 | 0xFF : layout.nUnusedEntry;
        bytes.insert(bytes.end(), {static_cast<std::uint8_t>(entry >> 24), static_cast<std::uint8_t>(entry >> 16),
                                   static_cast<std::uint8_t>(entry >> 8), static_cast<std::uint8_t>(entry)});
    }
    return bytes;
}

// Everything the target's array holds: a palette, then the data.
std::int64_t ArrayBytes(const TargetLayout& layout, ColorMode mode, std::int64_t nWidth, std::int64_t nHeight)
{
    return PaletteBytes(mode) + DataBytes(layout, mode, nWidth, nHeight);
}

using TakeBlock = std::function<void(std::span<const std::uint8_t> block, bool bLast)>;

// Blocks of two sources, one after the other, regrouped so that each block
// but the last is a whole multiple again. Only the bytes short of a whole
// multiple wait to be joined; the rest passes through as it came.
class BlockJoiner {
public:
    BlockJoiner(std::size_t nMultiple, const TakeBlock& take) : m_nMultiple(nMultiple), m_take(take) {}

    void Add(std::span<const std::uint8_t> block, bool bLast)
    {
        if (!m_pending.empty()) {
            const std::size_t nFill = std::min(block.size(), m_nMultiple - m_pending.size());
            m_pending.insert(m_pending.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(nFill));
            block = block.subspan(nFill);
            const bool bPendingLast = bLast && block.empty();
            if (m_pending.size() < m_nMultiple && !bPendingLast) return;
            m_take(m_pending, bPendingLast);
            m_pending.clear();
            if (bPendingLast) return;
        }
        const std::size_t nWhole = bLast ? block.size() : block.size() / m_nMultiple * m_nMultiple;
        if (nWhole > 0 || bLast) m_take(block.first(nWhole), bLast);
        m_pending.assign(block.begin() + static_cast<std::ptrdiff_t>(nWhole), block.end());
    }

private:
    std::size_t m_nMultiple;
    const TakeBlock& m_take;
    std::vector<std::uint8_t> m_pending;   // fewer than m_nMultiple bytes
};

// Every pixel's alpha, 0xFF for an opaque picture, in blocks of whole multiples.
void TakeAlphaPlane(const CapturedPicture& picture, std::size_t nMultiple, const TakeBlock& take)
{
    if (!picture.alpha.empty()) {
        take(picture.alpha, true);
        return;
    }
    const std::size_t nPixels = static_cast<std::size_t>(picture.PixelCount());
    const std::vector<std::uint8_t> opaque(std::min(nPixels, std::max<std::size_t>(1, (1 << 15) / nMultiple) * nMultiple), 0xFF);
    for (std::size_t nDone = 0; nDone < nPixels; nDone += opaque.size()) {
        const std::size_t nPart = std::min(opaque.size(), nPixels - nDone);
        take(std::span<const std::uint8_t>(opaque.data(), nPart), nDone + nPart == nPixels);
    }
}

// The bytes as the target keeps them in memory, handed to take a block at a
// time as PackBlocks hands them.
void ForEachDataBlock(std::string_view target, const ExportJob& job, std::size_t nMultiple, const TakeBlock& take)
{
    const TargetLayout& layout = *FindLayout(target);
    const BytesOptions options = LayoutOptions(layout, job.bytes.bInvert);
    const CapturedPicture& picture = job.picture;
    if (picture.mode == ColorMode::A8) {
        TakeAlphaPlane(picture, nMultiple, take);
        return;
    }
    if (FindPixelFormat(picture.mode)->UsesPalette()) {
        BlockJoiner joined(nMultiple, take);
        joined.Add(LvglPalette(picture, layout), false);
        PackBlocks(picture, options, nMultiple, [&joined](std::span<const std::uint8_t> block, bool bLast) { joined.Add(block, bLast); });
        return;
    }
    if (picture.mode == ColorMode::Rgb565A8) {
        BlockJoiner joined(nMultiple, take);
        PackBlocks(picture, options, nMultiple, [&joined](std::span<const std::uint8_t> block, bool) { joined.Add(block, false); });
        TakeAlphaPlane(picture, nMultiple, [&joined](std::span<const std::uint8_t> block, bool bLast) { joined.Add(block, bLast); });
        return;
    }
    if (!FourBytes(layout, picture.mode)) {
        PackBlocks(picture, options, nMultiple, take);
        return;
    }
    // B, G, R, then the alpha or 0xFF: full colour has nothing to encode, so
    // the bytes come straight from the pixels, in blocks of whole multiples.
    const bool bAlpha = picture.mode == ColorMode::Argb8888;
    const std::size_t nPixels = static_cast<std::size_t>(picture.PixelCount());
    const std::size_t nBlockPixels = std::max<std::size_t>(1, (1 << 13) / nMultiple) * nMultiple;
    std::vector<std::uint8_t> wide(4 * std::min(nBlockPixels, nPixels));
    for (std::size_t nFirst = 0; nFirst < nPixels; nFirst += nBlockPixels) {
        const std::size_t nEnd = std::min(nFirst + nBlockPixels, nPixels);
        std::uint8_t* out = wide.data();
        for (std::size_t i = nFirst; i < nEnd; ++i, out += 4) {
            const std::uint32_t nPixel = picture.pixels[i];
            out[0] = static_cast<std::uint8_t>(nPixel >> 16);
            out[1] = static_cast<std::uint8_t>(nPixel >> 8);
            out[2] = static_cast<std::uint8_t>(nPixel);
            out[3] = bAlpha ? picture.Alpha(i) : 0xFF;
        }
        take(std::span<const std::uint8_t>(wide.data(), 4 * (nEnd - nFirst)), nEnd == nPixels);
    }
}

bool WritesWords(std::string_view target, ColorMode mode)
{
    return FindLayout(target)->bWords && FindPixelFormat(mode)->nStorageBits == 16;
}

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

// The array's values, as bytes or as 16-bit words.
void WriteData(TextWriter& out, std::string_view target, const ExportJob& job)
{
    if (!WritesWords(target, job.picture.mode)) {
        ForEachDataBlock(target, job, kBytesPerLine, [&out](std::span<const std::uint8_t> block, bool bLast) {
            out.ByteList(block.data(), block.size(), kBytesPerLine, !bLast);
        });
        return;
    }
    ForEachDataBlock(target, job, 2 * kWordsPerLine, [&out](std::span<const std::uint8_t> block, bool bLast) {
        out.WordList(block.data(), block.size() / 2, kWordsPerLine, !bLast);
    });
}

void WriteRawData(TextWriter& out, std::string_view target, const ExportJob& job)
{
    ForEachDataBlock(target, job, 1, [&out](std::span<const std::uint8_t> block, bool) { out.Raw(block.data(), block.size()); });
}

std::string Count(std::int64_t n)
{
    return std::to_string(n);
}

// "1 byte", "2 bytes": a narrow picture's comment reads right too.
std::string Counted(std::int64_t n, const std::string& noun)
{
    return Count(n) + " " + noun + (n == 1 ? "" : "s");
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

bool HasHeader(const ExportJob& job)
{
    return !job.bytes.strHeaderInclude.empty();
}

std::string TargetHeaderLine(std::string_view target, const ExportJob& job)
{
    const CapturedPicture& picture = job.picture;
    return TargetSettingsLine(picture.nWidth, picture.nHeight, target, picture.mode, job.bytes.bInvert);
}

// "const uint16_t NAME[N] PROGMEM": the data array's declaration and definition share it.
std::string DataDeclarator(const std::string& name, const ExportJob& job, std::string_view target)
{
    const CapturedPicture& picture = job.picture;
    const bool bWords = WritesWords(target, picture.mode);
    const std::int64_t nBytes = ArrayBytes(*FindLayout(target), picture.mode, picture.nWidth, picture.nHeight);
    return std::string("const ") + (bWords ? "uint16_t " : "uint8_t ") + name + "[" + Count(bWords ? nBytes / 2 : nBytes) +
           "] PROGMEM";
}

std::string MaskDeclarator(const std::string& name, const CapturedPicture& picture)
{
    return "const uint8_t " + name + "_mask[" + Count((picture.nWidth + 7) / 8 * picture.nHeight) + "] PROGMEM";
}

// Every array of an Adafruit GFX, TFT_eSPI or page-layout source: the data,
// then drawRGBBitmap's mask.
std::vector<std::string> GfxDeclarators(const ExportJob& job, std::string_view target)
{
    const std::string name = MakeCIdentifier(job.exportName);
    std::vector<std::string> declarators = {DataDeclarator(name, job, target)};
    if (job.picture.mode == ColorMode::Rgb565A1) declarators.push_back(MaskDeclarator(name, job.picture));
    return declarators;
}

void WriteGfxHeader(TextWriter& out, const ExportJob& job, const std::string& guard, std::string_view target)
{
    WriteTargetHeader(out, TargetHeaderLine(target, job), guard,
                      ArrayDeclarations(MakeCIdentifier(job.exportName), job.picture, GfxDeclarators(job, target)));
}

// The size macros, the data array's declaration, which gives a const array
// external linkage in C++ too, or the header that holds them, then the
// array's definition.
void WriteExternArray(TextWriter& out, const std::string& name, const ExportJob& job, std::string_view target)
{
    const std::string declarator = DataDeclarator(name, job, target);
    out.Text(DeclarationsOrInclude(job, ArrayDeclarations(name, job.picture, {declarator})));
    out.Text(declarator + " = {\n");
    WriteData(out, target, job);
    out.Text("};\n");
}

std::string XbmMacros(const std::string& name, const CapturedPicture& picture)
{
    return "#define " + name + "_width " + Count(picture.nWidth) + "\n#define " + name + "_height " +
           Count(picture.nHeight) + "\n";
}

// As u8x8.h defines it, so that either may come first.
constexpr const char* kU8x8Progmem = "#ifndef U8X8_PROGMEM\n#ifdef __AVR__\n#include <avr/pgmspace.h>\n"
                                     "#define U8X8_PROGMEM PROGMEM\n#else\n#define U8X8_PROGMEM\n#endif\n#endif\n\n";

// The XBM layout that u8g2 and X11 share: NAME_width, NAME_height, NAME_bits.
void WriteXbmArray(TextWriter& out, const std::string& name, const ExportJob& job, std::string_view target,
                   const std::string& qualifier)
{
    out.Text(qualifier + name + "_bits[] " + (std::string_view(target) == "u8g2" ? "U8X8_PROGMEM " : "") + "= {\n");
    WriteData(out, target, job);
    out.Text("};\n");
}

void WritePageSource(TextWriter& out, const ExportJob& job, std::string_view target, const std::string& commands)
{
    const CapturedPicture& picture = job.picture;
    const std::string name = MakeCIdentifier(job.exportName);
    const std::int64_t nPages = (picture.nHeight + 7) / 8;
    WriteOpening(out, target, job,
                 Counted(nPages, "page") + " of 8 rows from the top, " + Counted(picture.nWidth, "byte") +
                     " a page: byte k of a page holds column k,\n   its top row in bit 0; " + MonoMeaning(job) +
                     ", a lit pixel of the panel.\n   " + commands);
    WriteExternArray(out, name, job, target);
}

struct Lvgl9Format {
    const char* pszName;   // after LV_COLOR_FORMAT_
    std::uint8_t nValue;
};

Lvgl9Format Lvgl9FormatOf(ColorMode mode, bool bFourthByte)
{
    switch (mode) {
    case ColorMode::Rgb565: return {"RGB565", 0x12};
    case ColorMode::Argb8888: return {"ARGB8888", 0x10};
    case ColorMode::Rgb565A8: return {"RGB565A8", 0x14};
    case ColorMode::A8: return {"A8", 0x0E};
    case ColorMode::Grey8: return {"L8", 0x06};
    case ColorMode::Index1: return {"I1", 0x07};
    case ColorMode::Index2: return {"I2", 0x08};
    case ColorMode::Index4: return {"I4", 0x09};
    case ColorMode::Index8: return {"I8", 0x0A};
    default: return bFourthByte ? Lvgl9Format{"XRGB8888", 0x11} : Lvgl9Format{"RGB888", 0x0F};
    }
}

// What the comment says of the data's layout beside its colour format.
std::string Lvgl9Layout(const CapturedPicture& picture, std::int64_t nStride)
{
    const PixelFormat& format = *FindPixelFormat(picture.mode);
    std::string text = "rows from the top, " + Counted(nStride, "byte") + " a row";
    if (picture.mode == ColorMode::Rgb565A8) return text + ", then the alpha plane, " + Counted(picture.nWidth, "byte") + " a row.";
    if (!format.UsesPalette()) return text + ".";
    return "a palette of " + std::to_string(format.PaletteSize()) + " colours B, G, R, A first, then " + text + "." +
           (format.nStorageBits < 8 ? "\n   The leftmost pixel is in the high bits of its byte." : "");
}

// LVGL 8's colour formats: its true colour ones hold lv_color_t, whose
// size LV_COLOR_DEPTH sets; the palette and alpha ones hold no lv_color_t.
struct Lvgl8Format {
    const char* pszName;   // after LV_IMG_CF_
    int nDepth;            // the LV_COLOR_DEPTH the data needs, or 0 for any
    std::uint8_t nValue;
};

Lvgl8Format Lvgl8FormatOf(ColorMode mode)
{
    switch (mode) {
    case ColorMode::Rgb565: return {"TRUE_COLOR", 16, 4};
    case ColorMode::Argb8888: return {"TRUE_COLOR_ALPHA", 32, 5};
    case ColorMode::Rgb565A8: return {"RGB565A8", 16, 20};
    case ColorMode::A8: return {"ALPHA_8BIT", 0, 14};
    case ColorMode::Index1: return {"INDEXED_1BIT", 0, 7};
    case ColorMode::Index2: return {"INDEXED_2BIT", 0, 8};
    case ColorMode::Index4: return {"INDEXED_4BIT", 0, 9};
    case ColorMode::Index8: return {"INDEXED_8BIT", 0, 10};
    default: return {"TRUE_COLOR", 32, 4};
    }
}

std::string Lvgl8Layout(const CapturedPicture& picture, std::int64_t nStride, const Lvgl8Format& format)
{
    const std::string depth = format.nDepth == 16 ? "for LV_COLOR_DEPTH 16 with LV_COLOR_16_SWAP 0"
                                                  : "for LV_COLOR_DEPTH 32";
    switch (picture.mode) {
    case ColorMode::Rgb565: return "RGB565 values, low byte first, " + depth + ", rows from the top.";
    case ColorMode::Full: return "B, G, R, 0xFF a pixel, " + depth + ", rows from the top.";
    case ColorMode::Argb8888: return "B, G, R, A a pixel, " + depth + ", rows from the top.";
    case ColorMode::Rgb565A8:
        return "RGB565 values, low byte first, then the alpha plane, a byte a pixel,\n   " + depth +
               " (LVGL 8.3 and later), rows from the top.";
    case ColorMode::A8: return "a byte of alpha a pixel, drawn in the image's recolour, rows from the top.";
    default: return Lvgl9Layout(picture, nStride);
    }
}

constexpr const char* kLvglInclude =
    "#if defined(LV_LVGL_H_INCLUDE_SIMPLE)\n#include \"lvgl.h\"\n#else\n#include \"lvgl/lvgl.h\"\n#endif\n\n";

// The descriptor's declaration, as LV_IMAGE_DECLARE and LV_IMG_DECLARE make it.
void WriteLvglHeader(TextWriter& out, const ExportJob& job, const std::string& guard, std::string_view target,
                     bool bVersion9)
{
    WriteTargetHeader(out, TargetHeaderLine(target, job), guard,
                      kLvglInclude + std::string(kExternCBegin) + "extern const " +
                          (bVersion9 ? "lv_image_dsc_t " : "lv_img_dsc_t ") + MakeCIdentifier(job.exportName) + ";\n" +
                          kExternCEnd);
}

// LVGL keeps the image in a static byte array and describes it with a
// descriptor. C takes designated initialisers; C++17 has none, so there
// the descriptor is filled field by field.
void WriteLvglSource(TextWriter& out, const ExportJob& job, std::string_view target, bool bVersion9)
{
    const CapturedPicture& picture = job.picture;
    const std::string name = MakeCIdentifier(job.exportName);
    const TargetLayout& layout = *FindLayout(target);
    const std::int64_t nBytes = ArrayBytes(layout, picture.mode, picture.nWidth, picture.nHeight);
    const std::int64_t nStride = RowStride(layout, picture.mode, picture.nWidth);
    const std::string type = bVersion9 ? "lv_image_dsc_t" : "lv_img_dsc_t";
    std::vector<std::pair<std::string, std::string>> fields;
    if (bVersion9) {
        const std::string format = Lvgl9FormatOf(picture.mode, layout.bFourthByte).pszName;
        WriteOpening(out, target, job,
                     "LVGL 9: LV_IMAGE_DECLARE(" + name + "); lv_image_set_src(image, &" + name +
                         ");\n   colour format " + format + ", " + Lvgl9Layout(picture, nStride));
        fields = {{"header.magic", "LV_IMAGE_HEADER_MAGIC"}, {"header.cf", "LV_COLOR_FORMAT_" + format},
                  {"header.flags", "0"},                     {"header.w", Count(picture.nWidth)},
                  {"header.h", Count(picture.nHeight)},      {"header.stride", Count(nStride)}};
    } else {
        const Lvgl8Format format = Lvgl8FormatOf(picture.mode);
        WriteOpening(out, target, job,
                     "LVGL 8: LV_IMG_DECLARE(" + name + "); lv_img_set_src(image, &" + name + ");\n   LV_IMG_CF_" +
                         format.pszName + ", " + Lvgl8Layout(picture, nStride, format));
        fields = {{"header.cf", std::string("LV_IMG_CF_") + format.pszName}, {"header.always_zero", "0"},
                  {"header.reserved", "0"}, {"header.w", Count(picture.nWidth)}, {"header.h", Count(picture.nHeight)}};
    }
    fields.push_back({"data_size", Count(nBytes)});
    fields.push_back({"data", name + "_map"});

    out.Text(DeclarationsOrInclude(job, kLvglInclude));
    if (!bVersion9 && Lvgl8FormatOf(picture.mode).nDepth != 0) {
        out.Text(Lvgl8FormatOf(picture.mode).nDepth == 16 ? "#if LV_COLOR_DEPTH != 16 || LV_COLOR_16_SWAP != 0\n"
                                                          : "#if LV_COLOR_DEPTH != 32\n");
        out.Text("#error \"" + name + " does not fit the colour depth of lv_conf.h\"\n#endif\n\n");
    }
    out.Text("#ifndef LV_ATTRIBUTE_MEM_ALIGN\n#define LV_ATTRIBUTE_MEM_ALIGN\n#endif\n"
             "#ifndef LV_ATTRIBUTE_LARGE_CONST\n#define LV_ATTRIBUTE_LARGE_CONST\n#endif\n\n");
    out.Text("static const LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_LARGE_CONST uint8_t " + name + "_map[" + Count(nBytes) +
             "] = {\n");
    WriteData(out, target, job);
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
    const TargetLayout& layout = *FindLayout(target);
    std::vector<std::uint8_t> header = {0x19, Lvgl9FormatOf(picture.mode, layout.bFourthByte).nValue};
    WriteLittle16(header, 0);
    WriteLittle16(header, picture.nWidth);
    WriteLittle16(header, picture.nHeight);
    WriteLittle16(header, RowStride(layout, picture.mode, picture.nWidth));
    WriteLittle16(header, 0);
    WriteRaw(out, header);
    WriteRawData(out, target, job);
}

// The next array of a source, nCount bytes or 16-bit words, and its "};".
ReadError ReadArray(Lines& lines, bool bWords, std::int64_t nCount, std::vector<std::uint32_t>& values)
{
    std::string_view line;
    do {
        if (!lines.Next(line)) return AtLine(lines.Number(), "the file ends before the array");
    } while (!line.ends_with("= {"));
    const ValueFormat format = bWords ? ValueFormat{4, true, 0xFFFF} : ValueFormat{2, true, 0xFF};
    if (ReadError error = ReadValues(lines, format, static_cast<std::size_t>(nCount), values)) return error;
    if (!lines.Next(line) || line != "};") return AtLine(lines.Number(), "\"};\" does not follow the values");
    return {};
}

} // namespace

std::optional<std::string> TargetSizeRefusal(std::string_view target, const CapturedPicture& picture)
{
    const TargetLayout* layout = FindLayout(target);
    if (layout == nullptr || !target.starts_with("lvgl")) return {};
    const std::int64_t nLargest = target == "lvgl8" ? 2047 : 65535;
    const std::int64_t nStride = RowStride(*layout, picture.mode, picture.nWidth);
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

bool IsAdafruitGfxMode(ColorMode mode)
{
    return mode == ColorMode::Mono || mode == ColorMode::Rgb565 || mode == ColorMode::Rgb565A1 || mode == ColorMode::Grey8;
}

bool Is565Mode(ColorMode mode)
{
    return mode == ColorMode::Rgb565;
}

bool IsLvgl9Mode(ColorMode mode)
{
    const PixelFormat* format = FindPixelFormat(mode);
    return mode == ColorMode::Rgb565 || mode == ColorMode::Full || mode == ColorMode::Argb8888 ||
           mode == ColorMode::Rgb565A8 || mode == ColorMode::A8 || mode == ColorMode::Grey8 ||
           (format != nullptr && format->UsesPalette());
}

bool IsLvgl8Mode(ColorMode mode)
{
    return IsLvgl9Mode(mode) && mode != ColorMode::Grey8;
}

bool IsFullMode(ColorMode mode)
{
    return mode == ColorMode::Full;
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
    // With a header that declares it, the array is not static.
    if (HasHeader(job)) {
        out.Text(DeclarationsOrInclude(job, ""));
        WriteXbmArray(out, name, job, "u8g2", "const unsigned char ");
        return;
    }
    out.Text(kU8x8Progmem + XbmMacros(name, job.picture));
    WriteXbmArray(out, name, job, "u8g2", "static const unsigned char ");
}

void WriteU8g2Header(TextWriter& out, const ExportJob& job, const std::string& guard)
{
    const std::string name = MakeCIdentifier(job.exportName);
    WriteTargetHeader(out, TargetHeaderLine("u8g2", job), guard,
                      kU8x8Progmem + XbmMacros(name, job.picture) + "\n" + kExternCBegin + "extern const unsigned char " +
                          name + "_bits[] U8X8_PROGMEM;\n" + kExternCEnd);
}

void WriteXbmSource(TextWriter& out, const ExportJob& job)
{
    const std::string name = MakeCIdentifier(job.exportName);
    WriteOpening(out, "xbm", job,
                 "X11 bitmap: rows from the top, (width + 7) / 8 bytes a row, the leftmost pixel in bit 0;\n   " +
                     MonoMeaning(job) + ", the foreground.");
    out.Text(XbmMacros(name, job.picture));
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
        WriteExternArray(out, name, job, "adafruit-gfx");
        return;
    }
    if (job.picture.mode == ColorMode::Grey8) {
        WriteOpening(out, "adafruit-gfx", job,
                     "Adafruit GFX: display.drawGrayscaleBitmap(x, y, " + name + ", " + name + "_WIDTH, " + name +
                         "_HEIGHT);\n   one byte a pixel, 0 black to 255 white, rows from the top. drawGrayscaleBitmap hands "
                         "each byte\n   to the display as the pixel's colour: for displays and canvases of 8-bit grey "
                         "(GFXcanvas8).");
        WriteExternArray(out, name, job, "adafruit-gfx");
        return;
    }
    if (job.picture.mode == ColorMode::Rgb565) {
        WriteOpening(out, "adafruit-gfx", job,
                     "Adafruit GFX: display.drawRGBBitmap(x, y, " + name + ", " + name + "_WIDTH, " + name +
                         "_HEIGHT);\n   RGB565 values, rows from the top.");
        WriteExternArray(out, name, job, "adafruit-gfx");
        return;
    }
    WriteOpening(out, "adafruit-gfx", job,
                 "Adafruit GFX: display.drawRGBBitmap(x, y, " + name + ", " + name + "_mask, " + name + "_WIDTH, " +
                     name + "_HEIGHT);\n   RGB565 values, rows from the top; the mask (width + 7) / 8 bytes a row, "
                     "the leftmost pixel in bit 7,\n   a set bit for a pixel drawn: one of alpha 128 or more.");
    WriteExternArray(out, name, job, "adafruit-gfx");
    const std::vector<std::uint8_t> mask = MaskBytes(job.picture);
    const std::string declarator = MaskDeclarator(name, job.picture);
    out.Text("\n");
    if (!HasHeader(job)) out.Text(kExternCBegin + ("extern " + declarator + ";\n") + kExternCEnd);
    out.Text(declarator + " = {\n");
    out.ByteList(mask.data(), mask.size(), kBytesPerLine);
    out.Text("};\n");
}

void WriteTftEspiSource(TextWriter& out, const ExportJob& job)
{
    const std::string name = MakeCIdentifier(job.exportName);
    WriteOpening(out, "tft-espi", job,
                 "TFT_eSPI: tft.setSwapBytes(true); tft.pushImage(x, y, " + name + "_WIDTH, " + name + "_HEIGHT, " + name +
                     ");\n   RGB565 values, rows from the top. The processor keeps a uint16_t low byte first and the "
                     "panel\n   takes the high byte first: setSwapBytes(true) makes pushImage swap them.");
    WriteExternArray(out, name, job, "tft-espi");
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
                        "middle of the 132-column memory),\n   then the " + Counted(picture.nWidth, "data byte") +
                        " from page p * " + Count(picture.nWidth) + ".");
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

void WriteAdafruitGfxHeader(TextWriter& out, const ExportJob& job, const std::string& guard)
{
    WriteGfxHeader(out, job, guard, "adafruit-gfx");
}

void WriteTftEspiHeader(TextWriter& out, const ExportJob& job, const std::string& guard)
{
    WriteGfxHeader(out, job, guard, "tft-espi");
}

void WriteSsd1306Header(TextWriter& out, const ExportJob& job, const std::string& guard)
{
    WriteGfxHeader(out, job, guard, "ssd1306");
}

void WriteSh1106Header(TextWriter& out, const ExportJob& job, const std::string& guard)
{
    WriteGfxHeader(out, job, guard, "sh1106");
}

void WriteLvgl9Header(TextWriter& out, const ExportJob& job, const std::string& guard)
{
    WriteLvglHeader(out, job, guard, "lvgl9", true);
}

void WriteLvgl9XrgbHeader(TextWriter& out, const ExportJob& job, const std::string& guard)
{
    WriteLvglHeader(out, job, guard, "lvgl9-xrgb8888", true);
}

void WriteLvgl8Header(TextWriter& out, const ExportJob& job, const std::string& guard)
{
    WriteLvglHeader(out, job, guard, "lvgl8", false);
}

void WriteTargetHeader(TextWriter& out, const std::string& firstLine, const std::string& guard,
                       const std::string& declarations)
{
    out.Text(firstLine + "\n#ifndef " + guard + "\n#define " + guard + "\n\n" + declarations + "\n#endif\n");
}

std::string DeclarationsOrInclude(const ExportJob& job, const std::string& declarations)
{
    return HasHeader(job) ? "#include \"" + job.bytes.strHeaderInclude + "\"\n\n" : declarations;
}

std::string ArrayDeclarations(const std::string& name, const CapturedPicture& picture,
                              const std::vector<std::string>& declarators)
{
    std::string text = "#include <stdint.h>\n" + ProgmemPrologue("PROGMEM") + "\n#define " + name + "_WIDTH " +
                       Count(picture.nWidth) + "\n#define " + name + "_HEIGHT " + Count(picture.nHeight) + "\n\n" +
                       kExternCBegin;
    for (const std::string& declarator : declarators) text += "extern " + declarator + ";\n";
    return text + kExternCEnd;
}

void WriteXbmRowsBin(TextWriter& out, const ExportJob& job)
{
    WriteRawData(out, "xbm", job);
}

void WriteGfxBin(TextWriter& out, const ExportJob& job)
{
    WriteRawData(out, "adafruit-gfx", job);
    if (job.picture.mode == ColorMode::Rgb565A1) WriteRaw(out, MaskBytes(job.picture));
}

void WritePagesBin(TextWriter& out, const ExportJob& job)
{
    WriteRawData(out, "ssd1306", job);
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
    // LVGL 8's image file: lv_img_header_t, one little-endian word of the
    // colour format in bits 0-4, the width from bit 10 and the height from
    // bit 21, then the data.
    const CapturedPicture& picture = job.picture;
    const std::uint32_t nHeader = Lvgl8FormatOf(picture.mode).nValue |
                                  static_cast<std::uint32_t>(picture.nWidth) << 10 |
                                  static_cast<std::uint32_t>(picture.nHeight) << 21;
    std::vector<std::uint8_t> header;
    WriteLittle16(header, nHeader & 0xFFFF);
    WriteLittle16(header, nHeader >> 16);
    WriteRaw(out, header);
    WriteRawData(out, "lvgl8", job);
}

void WriteBytesBin(TextWriter& out, const ExportJob& job)
{
    // A palette format's palette goes first, as LVGL lays its indexed images out.
    if (FindPixelFormat(job.picture.mode)->UsesPalette()) WriteRaw(out, PackPalette(job.picture, job.bytes));
    PackBlocks(job.picture, job.bytes, 1, [&out](std::span<const std::uint8_t> block, bool) { out.Raw(block.data(), block.size()); });
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
    const std::string_view target = first.substr(nTarget, nMode - nTarget);
    if (IsEpaperTarget(target)) {
        if (first != TargetSettingsLine(numbers[0], numbers[1], target, ColorMode::Full, false)) return AtLine(1, wrongFirst);
        if (ReadError error = CheckSize(1, numbers[0], numbers[1])) return error;
        return ReadEpaperPlanes(target, static_cast<std::int32_t>(numbers[0]), static_cast<std::int32_t>(numbers[1]),
                                lines, picture);
    }
    const TargetLayout* layout = FindLayout(target);
    const std::string_view modeWord = first.substr(nMode + 4, first.find(' ', nMode + 4) - (nMode + 4));
    const PixelFormat* format = FindPixelFormat(modeWord);
    const OutputFormat* row = layout != nullptr ? FindOutputFormat("bytes", layout->pszTarget) : nullptr;
    if (row == nullptr || format == nullptr || !row->TakesMode(format->mode)) return AtLine(1, wrongFirst);
    const bool bInvert = first.ends_with(" --invert */");
    if (first != TargetSettingsLine(numbers[0], numbers[1], layout->pszTarget, format->mode, bInvert))
        return AtLine(1, wrongFirst);
    if (ReadError error = CheckSize(1, numbers[0], numbers[1])) return error;

    // The data is the first array; an LVGL descriptor or drawRGBBitmap's mask may follow it.
    const bool bWords = WritesWords(layout->pszTarget, format->mode);
    const std::int64_t nBytes = ArrayBytes(*layout, format->mode, numbers[0], numbers[1]);
    std::vector<std::uint32_t> values;
    if (ReadError error = ReadArray(lines, bWords, bWords ? nBytes / 2 : nBytes, values)) return error;

    const std::int64_t nPaletteBytes = PaletteBytes(format->mode);
    std::vector<std::uint32_t> palette;
    for (std::size_t i = 0; i < static_cast<std::size_t>(nPaletteBytes); i += 4)
        palette.push_back(values[i] << 16 | values[i + 1] << 8 | values[i + 2]);
    std::vector<std::uint8_t> bytes, alpha;
    for (std::size_t i = static_cast<std::size_t>(nPaletteBytes); i < values.size(); ++i) {
        const bool bFourth = FourBytes(*layout, format->mode) && i % 4 == 3;
        if (bFourth && format->mode == ColorMode::Argb8888) alpha.push_back(static_cast<std::uint8_t>(values[i]));
        if (bFourth) continue;
        bytes.push_back(static_cast<std::uint8_t>(values[i]));
        if (bWords) bytes.push_back(static_cast<std::uint8_t>(values[i] >> 8));
    }
    // The planes of alpha: the whole data of A8, after the colours in RGB565A8.
    const std::size_t nPixels = static_cast<std::size_t>(numbers[0] * numbers[1]);
    if (format->mode == ColorMode::A8 || format->mode == ColorMode::Rgb565A8)
        alpha.assign(bytes.end() - static_cast<std::ptrdiff_t>(nPixels), bytes.end());
    if (format->mode == ColorMode::Rgb565A1) {
        const std::int64_t nRowBytes = (numbers[0] + 7) / 8;
        std::vector<std::uint32_t> mask;
        if (ReadError error = ReadArray(lines, false, nRowBytes * numbers[1], mask)) return error;
        for (std::int64_t y = 0; y < numbers[1]; ++y)
            for (std::int64_t x = 0; x < numbers[0]; ++x)
                alpha.push_back(mask[static_cast<std::size_t>(y * nRowBytes + x / 8)] & (0x80 >> (x % 8)) ? 0xFF : 0);
    }
    const auto nWidth = static_cast<std::int32_t>(numbers[0]);
    const auto nHeight = static_cast<std::int32_t>(numbers[1]);
    picture = DecodedPicture(format->mode, nWidth, nHeight,
                             UnpackBytes(bytes, format->mode, nWidth, nHeight, LayoutOptions(*layout, bInvert)), palette);
    picture.alpha = std::move(alpha);
    return {};
}
