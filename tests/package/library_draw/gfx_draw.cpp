// SPDX-License-Identifier: GPL-3.0-or-later
// Draws an export of tovix-export --for adafruit-gfx with Adafruit GFX's own
// drawBitmap, drawRGBBitmap or drawGrayscaleBitmap into a canvas, and
// compares every pixel with the reference. gfx_draw REFERENCE; the export is
// compiled in as EXPORT. The reference is the FORMAT_2 text of the same
// picture and mode, or for grey, which FORMAT_2 has not, the -f bin bytes.
#include "Adafruit_GFX.h"
#include EXPORT
#include "format2_reference.h"

#ifdef GREY
// A byte a pixel, rows from the top.
static Reference ReadGreyBytes(const char* path)
{
    Reference ref = {img_WIDTH, img_HEIGHT, (unsigned long*)calloc(img_WIDTH * img_HEIGHT, sizeof(unsigned long))};
    FILE* file = fopen(path, "rb");
    for (int i = 0; i < img_WIDTH * img_HEIGHT; ++i) {
        const int c = file != NULL ? fgetc(file) : EOF;
        if (c == EOF) exit(2);
        ref.values[i] = static_cast<unsigned long>(c);
    }
    fclose(file);
    return ref;
}
#endif

int main(int, char** argv)
{
#ifdef GREY
    const Reference ref = ReadGreyBytes(argv[1]);
#else
    const Reference ref = ReadFormat2(argv[1]);
#endif
    if (ref.nWidth != img_WIDTH || ref.nHeight != img_HEIGHT) return 1;
    int nWrong = 0;
#ifdef MONO
    // A background pixel stays 0, a set bit is drawn in colour 1.
    GFXcanvas1 canvas(img_WIDTH + 3, img_HEIGHT + 2);
    canvas.fillScreen(0);
    canvas.drawBitmap(1, 2, img, img_WIDTH, img_HEIGHT, 1);
    for (int y = 0; y < img_HEIGHT; ++y)
        for (int x = 0; x < img_WIDTH; ++x) nWrong += canvas.getPixel(x + 1, y + 2) != (ref.values[y * img_WIDTH + x] != 0);
#elif defined(GREY)
    GFXcanvas8 canvas(img_WIDTH + 3, img_HEIGHT + 2);
    canvas.drawGrayscaleBitmap(1, 2, img, img_WIDTH, img_HEIGHT);
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
