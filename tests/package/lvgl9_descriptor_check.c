// SPDX-License-Identifier: GPL-3.0-or-later
/* Included after a source of tovix-export --for lvgl9 whose descriptor is
   img: its header agrees with the data by LVGL 9's own colour-format
   definitions. Compiled as C and as C++ with -DCF=LV_COLOR_FORMAT_... -DW= -DH=. */
#include <stdio.h>

int main(void)
{
    const lv_image_dsc_t* image = &img;
    const lv_color_format_t cf = (lv_color_format_t)image->header.cf;
    /* Rows of whole bytes, no alignment: LVGL's LV_DRAW_BUF_STRIDE_ALIGN 1. */
    const uint32_t stride = ((uint32_t)image->header.w * LV_COLOR_FORMAT_GET_BPP(cf) + 7) / 8;
    const uint32_t alpha_plane = cf == LV_COLOR_FORMAT_RGB565A8 ? (uint32_t)image->header.w * image->header.h : 0;
    const uint32_t size = 4u * LV_COLOR_INDEXED_PALETTE_SIZE(cf) + stride * image->header.h + alpha_plane;
    const int ok = image->header.magic == LV_IMAGE_HEADER_MAGIC && cf == CF && image->header.flags == 0 &&
                   image->header.w == W && image->header.h == H && stride > 0 && image->header.stride == stride &&
                   image->data_size == size && sizeof(img_map) == size && image->data == img_map;
    if (!ok)
        printf("magic 0x%x cf 0x%x flags %u w %u h %u stride %u (LVGL's %u) data_size %u (LVGL's %u, the array's %u)\n",
               (unsigned)image->header.magic, (unsigned)cf, (unsigned)image->header.flags, (unsigned)image->header.w,
               (unsigned)image->header.h, (unsigned)image->header.stride, (unsigned)stride, (unsigned)image->data_size,
               (unsigned)size, (unsigned)sizeof(img_map));
    return ok ? 0 : 1;
}
