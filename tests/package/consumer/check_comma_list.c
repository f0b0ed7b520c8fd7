// SPDX-License-Identifier: GPL-3.0-or-later
/* Exits 0 when a two-colour comma list, #included as the README shows, holds the
   picture's known values: the mode, the size, then each row's byte, a set bit black. */
#define TOVIX_MONO 1
static const unsigned short sprite_mono[] = {
#include "sprite_mono.txt"
};

int main(void)
{
    static const unsigned short expected[] = {1, 4, 3, 0x00, 0x80, 0xa0};
    if (sizeof sprite_mono != sizeof expected) return 1;
    for (unsigned i = 0; i < sizeof expected / sizeof expected[0]; ++i)
        if (sprite_mono[i] != expected[i]) return 1;
    return 0;
}
