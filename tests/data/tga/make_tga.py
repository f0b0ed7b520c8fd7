#!/usr/bin/python3
# Writes the TGA files of the tests with Pillow, an independent writer,
# from source.png: every kind Pillow writes (grey, colour-mapped,
# true-colour with and without alpha), plain and run-length encoded, with
# the bottom or the top row first; and each kind's pixels as a PNG file
# beside them (l.png for l-*.tga ...). Run once, from this folder.
from PIL import Image

source = Image.open('source.png').convert('RGBA')
for mode in ('L', 'P', 'RGB', 'RGBA'):
    picture = source.convert(mode) if mode != 'P' else source.convert('RGB').quantize(16)
    picture.save(f'{mode.lower()}.png')
    for rle in (False, True):
        for orientation in (-1, 1):
            name = f'{mode.lower()}-{"rle" if rle else "raw"}-{"top" if orientation > 0 else "bottom"}.tga'
            picture.save(name, rle=rle, orientation=orientation)
