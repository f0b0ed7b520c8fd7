/* Stands in for LVGL's lvgl.h in the compile tests: LVGL 9's own headers
   (../lvgl9), or with LVGL_VERSION_8 LVGL 8's image descriptor as LVGL 8
   defines it. */
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
#include "../lvgl9/lvgl.h"
#endif

#endif
