// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/lvgl_targets.h"

#include "core/pixel_format.h"
#include "export/bytes_writer.h"
#include "export/export_job.h"
#include "export/export_name.h"
#include "export/target_data.h"
#include "export/target_source.h"
#include "export/text_writer.h"

#include <utility>
#include <vector>

namespace {

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
void WriteLvglHeader(TextWriter& out, const ExportJob& job, const DisplayTarget& target, const std::string& guard,
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
void WriteLvglSource(TextWriter& out, const ExportJob& job, const DisplayTarget& target, bool bVersion9)
{
    const CapturedPicture& picture = job.picture;
    const std::string name = MakeCIdentifier(job.exportName);
    const TargetLayout& layout = target.layout;
    const std::int64_t nBytes = ArrayBytes(layout, picture.mode, picture.nWidth, picture.nHeight);
    const std::int64_t nStride = RowStride(layout, picture.mode, picture.nWidth);
    const std::string type = bVersion9 ? "lv_image_dsc_t" : "lv_img_dsc_t";
    std::vector<std::pair<std::string, std::string>> fields;
    if (bVersion9) {
        const std::string format = Lvgl9FormatOf(picture.mode, layout.bFourthByte).pszName;
        WriteTargetOpening(out, target, job,
                           "LVGL 9: LV_IMAGE_DECLARE(" + name + "); lv_image_set_src(image, &" + name +
                               ");\n   colour format " + format + ", " + Lvgl9Layout(picture, nStride));
        fields = {{"header.magic", "LV_IMAGE_HEADER_MAGIC"}, {"header.cf", "LV_COLOR_FORMAT_" + format},
                  {"header.flags", "0"}, {"header.w", std::to_string(picture.nWidth)},
                  {"header.h", std::to_string(picture.nHeight)}, {"header.stride", std::to_string(nStride)}};
    } else {
        const Lvgl8Format format = Lvgl8FormatOf(picture.mode);
        WriteTargetOpening(out, target, job,
                           "LVGL 8: LV_IMG_DECLARE(" + name + "); lv_img_set_src(image, &" + name + ");\n   LV_IMG_CF_" +
                               format.pszName + ", " + Lvgl8Layout(picture, nStride, format));
        fields = {{"header.cf", std::string("LV_IMG_CF_") + format.pszName}, {"header.always_zero", "0"},
                  {"header.reserved", "0"}, {"header.w", std::to_string(picture.nWidth)},
                  {"header.h", std::to_string(picture.nHeight)}};
    }
    fields.push_back({"data_size", std::to_string(nBytes)});
    fields.push_back({"data", name + "_map"});

    out.Text(DeclarationsOrInclude(job, kLvglInclude));
    if (!bVersion9 && Lvgl8FormatOf(picture.mode).nDepth != 0) {
        out.Text(Lvgl8FormatOf(picture.mode).nDepth == 16 ? "#if LV_COLOR_DEPTH != 16 || LV_COLOR_16_SWAP != 0\n"
                                                          : "#if LV_COLOR_DEPTH != 32\n");
        out.Text("#error \"" + name + " does not fit the colour depth of lv_conf.h\"\n#endif\n\n");
    }
    out.Text("#ifndef LV_ATTRIBUTE_MEM_ALIGN\n#define LV_ATTRIBUTE_MEM_ALIGN\n#endif\n"
             "#ifndef LV_ATTRIBUTE_LARGE_CONST\n#define LV_ATTRIBUTE_LARGE_CONST\n#endif\n\n");
    out.Text("static const LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_LARGE_CONST uint8_t " + name + "_map[" + std::to_string(nBytes) +
             "] = {\n");
    WriteTargetData(out, job, target);
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

// The image file's header, then the data.
void WriteImageFile(TextWriter& out, const ExportJob& job, const DisplayTarget& target,
                    const std::vector<std::uint8_t>& header)
{
    out.Raw(header.data(), header.size());
    WriteTargetRawData(out, job, target);
}

} // namespace

void WriteLvgl9Source(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    WriteLvglSource(out, job, target, true);
}

void WriteLvgl8Source(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    WriteLvglSource(out, job, target, false);
}

void WriteLvgl9Header(TextWriter& out, const ExportJob& job, const DisplayTarget& target, const std::string& guard)
{
    WriteLvglHeader(out, job, target, guard, true);
}

void WriteLvgl8Header(TextWriter& out, const ExportJob& job, const DisplayTarget& target, const std::string& guard)
{
    WriteLvglHeader(out, job, target, guard, false);
}

void WriteLvgl9Bin(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
{
    // LVGL 9's image file: magic, colour format, flags, width, height,
    // stride and a reserved word, little-endian, then the data.
    const CapturedPicture& picture = job.picture;
    const TargetLayout& layout = target.layout;
    std::vector<std::uint8_t> header = {0x19, Lvgl9FormatOf(picture.mode, layout.bFourthByte).nValue};
    WriteLittle16(header, 0);
    WriteLittle16(header, picture.nWidth);
    WriteLittle16(header, picture.nHeight);
    WriteLittle16(header, RowStride(layout, picture.mode, picture.nWidth));
    WriteLittle16(header, 0);
    WriteImageFile(out, job, target, header);
}

void WriteLvgl8Bin(TextWriter& out, const ExportJob& job, const DisplayTarget& target)
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
    WriteImageFile(out, job, target, header);
}
