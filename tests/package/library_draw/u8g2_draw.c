// SPDX-License-Identifier: GPL-3.0-or-later
/* Draws an export of tovix-export --for u8g2 with u8g2's own u8g2_DrawXBMP
   into the full frame buffer of an SSD1306 128 x 64, compares every pixel
   with the reference, and, given an export of --for ssd1306 as PAGES,
   compares that with the frame buffer byte for byte: u8g2 sends its buffer
   to the SSD1306 as it is. u8g2_draw FORMAT2_TEXT; the export is compiled in
   as EXPORT. */
#include "u8g2.h"
#include EXPORT
#ifdef PAGES
#include PAGES
#endif
#include "format2_reference.h"

static uint8_t u8x8_no_bus(u8x8_t* u8x8, uint8_t msg, uint8_t arg_int, void* arg_ptr)
{
    (void)u8x8, (void)msg, (void)arg_int, (void)arg_ptr;
    return 1;
}

int main(int argc, char** argv)
{
    static uint8_t buffer[128 * 8];
    u8g2_t u8g2;
    const Reference ref = ReadFormat2(argv[1]);
    int nWrong = 0;
    (void)argc;
    u8g2_SetupDisplay(&u8g2, u8x8_d_ssd1306_128x64_noname, u8x8_cad_ssd13xx_i2c, u8x8_no_bus, u8x8_no_bus);
    u8g2_SetupBuffer(&u8g2, buffer, 8, u8g2_ll_hvline_vertical_top_lsb, U8G2_R0);
    u8g2_ClearBuffer(&u8g2);
    u8g2_SetDrawColor(&u8g2, 1);
    u8g2_DrawXBMP(&u8g2, 0, 0, img_width, img_height, img_bits);
    if (ref.nWidth != img_width || ref.nHeight != img_height) return 1;
    for (int y = 0; y < img_height; ++y)
        for (int x = 0; x < img_width; ++x)
            nWrong += u8x8_capture_get_pixel_1(x, y, buffer, 16) != (ref.values[y * img_width + x] != 0);
#ifdef PAGES
    if (memcmp(pages, buffer, sizeof buffer) != 0) {
        printf("the --for ssd1306 bytes differ from u8g2's frame buffer\n");
        return 1;
    }
#endif
    if (nWrong != 0) printf("%d of %d pixels differ\n", nWrong, img_width * img_height);
    return nWrong != 0;
}
