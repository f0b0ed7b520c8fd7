// SPDX-License-Identifier: GPL-3.0-or-later
/* Exits 0 when the display libraries' sources the build generated hold the pictures'
   known values, read as the libraries read them. */
#include "logo_lvgl.h"
#include "sprite_u8g2.h"
#include "sprite_xbm.xbm"

#include <stdio.h>

static int failures;

static void expect(const char* what, unsigned long actual, unsigned long expected)
{
    if (actual != expected) {
        fprintf(stderr, "%s: 0x%lx, expected 0x%lx\n", what, actual, expected);
        ++failures;
    }
}

int main(void)
{
    /* The 3 x 2 PNG laid on black, in LVGL 9's own default: RGB565, low byte first. */
    const uint8_t* data = logo_lvgl.data;
    expect("logo_lvgl magic", logo_lvgl.header.magic, LV_IMAGE_HEADER_MAGIC);
    expect("logo_lvgl colour format", logo_lvgl.header.cf, LV_COLOR_FORMAT_RGB565);
    expect("logo_lvgl width", logo_lvgl.header.w, 3);
    expect("logo_lvgl height", logo_lvgl.header.h, 2);
    expect("logo_lvgl stride", logo_lvgl.header.stride, 6);
    expect("logo_lvgl data size", logo_lvgl.data_size, 12);
    expect("logo_lvgl red", (unsigned long)data[1] << 8 | data[0], 0xf800);
    expect("logo_lvgl transparent", (unsigned long)data[3] << 8 | data[2], 0x0000);
    expect("logo_lvgl white", (unsigned long)data[9] << 8 | data[8], 0xffff);
    /* The 4 x 3 sprite in u8g2's two colours, the leftmost pixel in bit 0: its second
       row black, dark grey, then light grey and yellow, which either rule keeps white. */
    expect("sprite_u8g2 width", sprite_u8g2_width, 4);
    expect("sprite_u8g2 height", sprite_u8g2_height, 3);
    expect("sprite_u8g2 row 2", sprite_u8g2_bits[1], 0x03);
    /* The X11 bitmap, included, holds the same. */
    expect("sprite_xbm size", sizeof sprite_xbm_bits, 3);
    expect("sprite_xbm row 2", sprite_xbm_bits[1], 0x03);
    return failures == 0 ? 0 : 1;
}
