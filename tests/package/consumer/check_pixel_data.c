// SPDX-License-Identifier: GPL-3.0-or-later
/* Exits 0 when the arrays the build generated hold the pictures' known values. */
#include "logo_spi.h"
#include "sprite_grey.h"

#include <stdio.h>

extern unsigned short sprite[14];
extern unsigned char tiles[6];
extern unsigned short logo[8];

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
    /* 4 x 3 in 5-6-5: red, green, blue, white open the top row; yellow ends the second. */
    expect("sprite width", sprite[0], 4);
    expect("sprite height", sprite[1], 3);
    expect("sprite red", sprite[2], 0xf800);
    expect("sprite green", sprite[3], 0x07e0);
    expect("sprite blue", sprite[4], 0x001f);
    expect("sprite white", sprite[5], 0xffff);
    expect("sprite yellow", sprite[9], 0xffe0);
    /* 10 x 2 in the document's two-colour mode: alternating black and white, then a grey
       that the threshold of 50 makes white. */
    expect("tiles width", tiles[0], 10);
    expect("tiles height", tiles[1], 2);
    expect("tiles row 1", (unsigned long)tiles[2] << 8 | tiles[3], 0xaa80);
    expect("tiles row 2", (unsigned long)tiles[4] << 8 | tiles[5], 0x0000);
    /* 3 x 2 PNG in 5-6-5 whose second pixel is transparent, laid on black. */
    expect("logo width", logo[0], 3);
    expect("logo height", logo[1], 2);
    expect("logo red", logo[2], 0xf800);
    expect("logo transparent", logo[3], 0x0000);
    expect("logo white", logo[6], 0xffff);
    /* The same PNG as bytes for a panel that takes the high byte first, from its own header. */
    expect("logo_spi width", logo_spi_WIDTH, 3);
    expect("logo_spi height", logo_spi_HEIGHT, 2);
    expect("logo_spi size", sizeof logo_spi, 12);
    expect("logo_spi red", (unsigned long)logo_spi[0] << 8 | logo_spi[1], 0xf800);
    expect("logo_spi transparent", (unsigned long)logo_spi[2] << 8 | logo_spi[3], 0x0000);
    expect("logo_spi white", (unsigned long)logo_spi[8] << 8 | logo_spi[9], 0xffff);
    /* The sprite in 16 grey levels, two pixels a byte: red 7, green 13, blue 4, white 15. */
    expect("sprite_grey size", sizeof sprite_grey, 6);
    expect("sprite_grey row 1", (unsigned long)sprite_grey[0] << 8 | sprite_grey[1], 0x7d4f);
    return failures == 0 ? 0 : 1;
}
