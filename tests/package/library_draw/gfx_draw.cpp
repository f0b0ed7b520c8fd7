// SPDX-License-Identifier: GPL-3.0-or-later
// Draws an export of tovix-export --for adafruit-gfx with Adafruit GFX's own
// drawBitmap or drawRGBBitmap (with a mask when MASK gives the colour
// underneath) into a canvas, and compares every pixel with the reference. gfx_draw FORMAT2_TEXT; the export is compiled in as EXPORT.
#include "Adafruit_GFX.h"
#include EXPORT
#include "format2_reference.h"

int main(int, char** argv)
{
    const Reference ref = ReadFormat2(argv[1]);
    if (ref.nWidth != img_WIDTH || ref.nHeight != img_HEIGHT) return 1;
    int nWrong = 0;
#ifdef MONO
    // A background pixel stays 0, a set bit is drawn in colour 1.
    GFXcanvas1 canvas(img_WIDTH + 3, img_HEIGHT + 2);
    canvas.fillScreen(0);
    canvas.drawBitmap(1, 2, img, img_WIDTH, img_HEIGHT, 1);
    for (int y = 0; y < img_HEIGHT; ++y)
        for (int x = 0; x < img_WIDTH; ++x) nWrong += canvas.getPixel(x + 1, y + 2) != (ref.values[y * img_WIDTH + x] != 0);
#elif defined(MASK)
    // Masked pixels keep what was there before; the reference holds that colour for them.
    GFXcanvas16 canvas(img_WIDTH + 3, img_HEIGHT + 2);
    canvas.fillScreen(MASK);
    canvas.drawRGBBitmap(1, 2, img, img_mask, img_WIDTH, img_HEIGHT);
    for (int y = 0; y < img_HEIGHT; ++y)
        for (int x = 0; x < img_WIDTH; ++x) nWrong += canvas.getPixel(x + 1, y + 2) != ref.values[y * img_WIDTH + x];
#else
    GFXcanvas16 canvas(img_WIDTH + 3, img_HEIGHT + 2);
    canvas.drawRGBBitmap(1, 2, img, img_WIDTH, img_HEIGHT);
    for (int y = 0; y < img_HEIGHT; ++y)
        for (int x = 0; x < img_WIDTH; ++x) nWrong += canvas.getPixel(x + 1, y + 2) != ref.values[y * img_WIDTH + x];
#endif
    if (nWrong != 0) printf("%d of %d pixels differ\n", nWrong, img_WIDTH * img_HEIGHT);
    return nWrong != 0;
}
