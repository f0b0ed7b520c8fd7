// SPDX-License-Identifier: GPL-3.0-or-later
/* The picture after the format's reduction, read from the tool's FORMAT_2
   text of the same picture and mode: the reference the libraries' drawings
   are compared with. One value a pixel, rows from the top; in two colours
   1 for black. */
#ifndef FORMAT2_REFERENCE_H
#define FORMAT2_REFERENCE_H

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct {
    int nWidth, nHeight;
    unsigned long* values;
} Reference;

static Reference ReadFormat2(const char* path)
{
    Reference ref = {0, 0, NULL};
    char kind[64];
    FILE* file = fopen(path, "r");
    if (file == NULL || fscanf(file, "%63[^,],%d,%d,", kind, &ref.nWidth, &ref.nHeight) != 3) {
        fprintf(stderr, "%s: no FORMAT_2 text\n", path);
        exit(2);
    }
    ref.values = (unsigned long*)calloc((size_t)ref.nWidth * (size_t)ref.nHeight, sizeof *ref.values);
    const int bMono = strcmp(kind, "TOVIX_MONO") == 0;
    const int nRowBytes = (ref.nWidth + 7) / 8;
    for (int y = 0; y < ref.nHeight; ++y) {
        for (int i = 0; i < (bMono ? nRowBytes : ref.nWidth); ++i) {
            unsigned long value;
            if (fscanf(file, " %lx ,", &value) != 1) {
                fprintf(stderr, "%s: cut short\n", path);
                exit(2);
            }
            if (!bMono) {
                ref.values[y * ref.nWidth + i] = value;
                continue;
            }
            for (int bit = 0; bit < 8 && i * 8 + bit < ref.nWidth; ++bit)
                ref.values[y * ref.nWidth + i * 8 + bit] = (value >> (7 - bit)) & 1;
        }
    }
    fclose(file);
    return ref;
}

#endif
