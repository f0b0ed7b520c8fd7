/* Stands in for LVGL's lvgl.h in the compile tests: LVGL 9's image
   descriptor, or with LVGL_VERSION_8 LVGL 8's, as LVGL defines them. */
#ifndef LVGL_H
#define LVGL_H
#include <stdint.h>

#ifdef LVGL_VERSION_8
#ifndef LV_COLOR_DEPTH
#define LV_COLOR_DEPTH 16
#endif
#define LV_COLOR_16_SWAP 0
enum {
    LV_IMG_CF_UNKNOWN = 0,
    LV_IMG_CF_RAW,
    LV_IMG_CF_RAW_ALPHA,
    LV_IMG_CF_RAW_CHROMA_KEYED,
    LV_IMG_CF_TRUE_COLOR,
    LV_IMG_CF_TRUE_COLOR_ALPHA,
    LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED,
    LV_IMG_CF_INDEXED_1BIT,
    LV_IMG_CF_INDEXED_2BIT,
    LV_IMG_CF_INDEXED_4BIT,
    LV_IMG_CF_INDEXED_8BIT,
    LV_IMG_CF_ALPHA_1BIT,
    LV_IMG_CF_ALPHA_2BIT,
    LV_IMG_CF_ALPHA_4BIT,
    LV_IMG_CF_ALPHA_8BIT,
    LV_IMG_CF_RGB888,
    LV_IMG_CF_RGBA8888,
    LV_IMG_CF_RGBX8888,
    LV_IMG_CF_RGB565,
    LV_IMG_CF_RGBA5658,
    LV_IMG_CF_RGB565A8
};
typedef struct {
    uint32_t cf : 5;
    uint32_t always_zero : 3;
    uint32_t reserved : 2;
    uint32_t w : 11;
    uint32_t h : 11;
} lv_img_header_t;
typedef struct {
    lv_img_header_t header;
    uint32_t data_size;
    const uint8_t * data;
} lv_img_dsc_t;
#else
/* lv_color_format_t of LVGL 9's lv_color.h, the values the sources name. */
typedef enum {
    LV_COLOR_FORMAT_L8 = 0x06,
    LV_COLOR_FORMAT_I1 = 0x07,
    LV_COLOR_FORMAT_I2 = 0x08,
    LV_COLOR_FORMAT_I4 = 0x09,
    LV_COLOR_FORMAT_I8 = 0x0A,
    LV_COLOR_FORMAT_A8 = 0x0E,
    LV_COLOR_FORMAT_RGB888 = 0x0F,
    LV_COLOR_FORMAT_ARGB8888 = 0x10,
    LV_COLOR_FORMAT_XRGB8888 = 0x11,
    LV_COLOR_FORMAT_RGB565 = 0x12,
    LV_COLOR_FORMAT_RGB565A8 = 0x14
} lv_color_format_t;
#include "src/draw/lv_image_dsc.h"
#endif

#endif
