/* Stands in for LVGL 9's lvgl.h in the compile tests: LVGL's own colour
   formats and image descriptor. */
#ifndef LVGL9_LVGL_H
#define LVGL9_LVGL_H
#include "src/misc/lv_color.h"
#include "src/draw/lv_image_dsc.h"
#endif
