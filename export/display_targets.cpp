// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/display_targets.h"

#include "core/pixel_format.h"
#include "export/bitmap_targets.h"
#include "export/epaper_target.h"
#include "export/lvgl_targets.h"
#include "export/page_targets.h"
#include "export/target_source.h"

namespace {

bool IsMonoMode(ColorMode mode)
{
    return mode == ColorMode::Mono;
}

bool Is565Mode(ColorMode mode)
{
    return mode == ColorMode::Rgb565;
}

bool IsFullMode(ColorMode mode)
{
    return mode == ColorMode::Full;
}

// Two colours, RGB565 with or without its one-bit mask, and 8-bit grey.
bool IsAdafruitGfxMode(ColorMode mode)
{
    return mode == ColorMode::Mono || mode == ColorMode::Rgb565 || mode == ColorMode::Rgb565A1 || mode == ColorMode::Grey8;
}

// RGB565, 24-bit, L8, I1 to I8 and the alpha formats.
bool IsLvgl9Mode(ColorMode mode)
{
    const PixelFormat* format = FindPixelFormat(mode);
    return mode == ColorMode::Rgb565 || mode == ColorMode::Full || mode == ColorMode::Argb8888 ||
           mode == ColorMode::Rgb565A8 || mode == ColorMode::A8 || mode == ColorMode::Grey8 ||
           (format != nullptr && format->UsesPalette());
}

// LVGL 8 has no L8.
bool IsLvgl8Mode(ColorMode mode)
{
    return IsLvgl9Mode(mode) && mode != ColorMode::Grey8;
}

constexpr TargetLayout kXbmRows = {MonoPacking::Rows, BitOrder::Lsb, RgbOrder::Bgr, false, false};
constexpr TargetLayout kGfxRows = {MonoPacking::Rows, BitOrder::Msb, RgbOrder::Bgr, false, true};
constexpr TargetLayout kPages = {MonoPacking::Pages, BitOrder::Lsb, RgbOrder::Bgr, false, false};
constexpr TargetLayout kLvgl9 = {MonoPacking::Rows, BitOrder::Msb, RgbOrder::Bgr, false, false};
constexpr TargetLayout kLvgl9Xrgb = {MonoPacking::Rows, BitOrder::Msb, RgbOrder::Bgr, true, false};
constexpr TargetLayout kLvgl8 = {MonoPacking::Rows, BitOrder::Msb, RgbOrder::Bgr, true, false, 0};

// LVGL 8's header keeps 11 bits of width and height, LVGL 9's 16 bits of
// them and of the row stride.
constexpr SizeLimit kNoLimit = {};
constexpr SizeLimit kLvgl9Limit = {"LVGL 9", 65535, true};
constexpr SizeLimit kLvgl8Limit = {"LVGL 8", 2047, false};

constexpr PanelInk kRedInk = {"red", {255, 0, 0}};
constexpr PanelInk kYellowInk = {"yellow", {255, 255, 0}};

// Each of an e-paper panel's two planes: rows, the leftmost pixel in bit 7.
constexpr TargetLayout kPlanes = {MonoPacking::Rows, BitOrder::Msb, RgbOrder::Bgr, false, false};

constexpr DisplayTarget kTargets[] = {
    {"u8g2", IsMonoMode, ColorMode::Mono, kXbmRows, kNoLimit, "c", nullptr, WriteU8g2Source, WriteTargetRawData,
     WriteU8g2Header},
    {"adafruit-gfx", IsAdafruitGfxMode, ColorMode::Mono, kGfxRows, kNoLimit, "c", nullptr, WriteAdafruitGfxSource,
     WriteAdafruitGfxBin, WriteGfxHeader},
    {"tft-espi", Is565Mode, ColorMode::Rgb565, kGfxRows, kNoLimit, "c", nullptr, WriteTftEspiSource, WriteTargetRawData,
     WriteGfxHeader},
    {"ssd1306", IsMonoMode, ColorMode::Mono, kPages, kNoLimit, "c", nullptr, WriteSsd1306Source, WriteTargetRawData,
     WriteGfxHeader},
    {"sh1106", IsMonoMode, ColorMode::Mono, kPages, kNoLimit, "c", nullptr, WriteSh1106Source, WriteTargetRawData,
     WriteGfxHeader},
    {"xbm", IsMonoMode, ColorMode::Mono, kXbmRows, kNoLimit, "xbm", nullptr, WriteXbmSource, WriteTargetRawData,
     nullptr},
    {"lvgl9", IsLvgl9Mode, ColorMode::Rgb565, kLvgl9, kLvgl9Limit, "c", nullptr, WriteLvgl9Source, WriteLvgl9Bin,
     WriteLvgl9Header},
    {"lvgl9-xrgb8888", IsFullMode, ColorMode::Full, kLvgl9Xrgb, kLvgl9Limit, "c", nullptr, WriteLvgl9Source,
     WriteLvgl9Bin, WriteLvgl9Header},
    {"lvgl8", IsLvgl8Mode, ColorMode::Rgb565, kLvgl8, kLvgl8Limit, "c", nullptr, WriteLvgl8Source, WriteLvgl8Bin,
     WriteLvgl8Header},
    {"epaper", IsFullMode, ColorMode::Full, kPlanes, kNoLimit, "c", &kRedInk, WriteEpaperSource, WriteEpaperBin,
     WriteEpaperHeader},
    {"epaper-yellow", IsFullMode, ColorMode::Full, kPlanes, kNoLimit, "c", &kYellowInk, WriteEpaperSource,
     WriteEpaperBin, WriteEpaperHeader},
};

} // namespace

std::span<const DisplayTarget> DisplayTargets()
{
    return kTargets;
}

const DisplayTarget* FindDisplayTarget(std::string_view word)
{
    for (const DisplayTarget& target : kTargets)
        if (word == target.pszWord) return &target;
    return nullptr;
}
