#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the small animations under tests/data/animation, byte by byte, so
that every disposal and blending rule of GIF, APNG and animated WebP is used
on purpose, and a still PNG turned by its EXIF orientation. The frames they must composite to are worked out by hand in
tests/picture/picture_frames_test.cpp. WebP frames are coded by libwebp's
lossless encoder (libwebp.so.7, which Qt's WebP reader needs anyway)."""
import ctypes
import ctypes.util
import os
import struct
import sys
import zlib

R, G, B, Y = (255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255), (255, 255, 0, 255)
CLEAR = (0, 0, 0, 0)


# GIF: a global table of 8 colours (index 7 marks transparency) and one code
# per pixel, each followed by a clear code, so that the code width never grows.
GIF_COLOURS = [R, G, B, Y, CLEAR, CLEAR, CLEAR, CLEAR]


def lzw_pixels(indices):
    clear, end, width = 8, 9, 4
    codes = []
    for i in indices:
        codes += [clear, i]
    codes.append(end)
    bits = 0
    count = 0
    out = bytearray()
    for code in codes:
        bits |= code << count
        count += width
        while count >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            count -= 8
    if count:
        out.append(bits & 0xFF)
    return bytes([3]) + bytes([len(out)]) + out + b"\0"


def gif(width, height, blocks):
    """blocks: (left, top, width, height, pixels, disposal, delay in 1/100 s)"""
    data = bytearray(b"GIF89a" + struct.pack("<HHBBB", width, height, 0xF2, 0, 0))
    for colour in GIF_COLOURS:
        data += bytes(colour[:3])
    data += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    for left, top, w, h, pixels, disposal, delay in blocks:
        data += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, (disposal << 2) | 1, delay, 7, 0)
        data += struct.pack("<BHHHHB", 0x2C, left, top, w, h, 0)
        data += lzw_pixels(pixels)
    return bytes(data + b"\x3B")


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def idat_body(rows):
    return zlib.compress(b"".join(b"\0" + bytes(row) for row in rows))


def rgba_row(pixels):
    return [v for p in pixels for v in p]


def fctl(sequence, w, h, x, y, num, den, dispose, blend):
    return chunk(b"fcTL", struct.pack(">IIIIIHHBB", sequence, w, h, x, y, num, den, dispose, blend))


def fdat(sequence, rows):
    return chunk(b"fdAT", struct.pack(">I", sequence) + idat_body(rows))


PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def apng_default_image():
    """RGBA, its image the first frame; SOURCE and OVER, each disposal."""
    half_red, half_blue = (255, 0, 0, 128), (0, 0, 255, 128)
    return (PNG_SIGNATURE + chunk(b"IHDR", struct.pack(">IIBBBBB", 4, 1, 8, 6, 0, 0, 0))
            + chunk(b"acTL", struct.pack(">II", 4, 0))
            + fctl(0, 4, 1, 0, 0, 1, 10, 0, 0) + chunk(b"IDAT", idat_body([rgba_row([R, R, R, R])]))
            + fctl(1, 2, 1, 1, 0, 20, 1000, 1, 0) + fdat(2, [rgba_row([B, CLEAR])])
            + fctl(3, 2, 1, 0, 0, 3, 0, 2, 1) + fdat(4, [rgba_row([G, half_red])])
            + fctl(5, 1, 1, 3, 0, 4, 100, 0, 1) + fdat(6, [rgba_row([half_blue])])
            + chunk(b"IEND", b""))


def apng_hidden_image():
    """A palette with a transparent entry, its image not a frame."""
    return (PNG_SIGNATURE + chunk(b"IHDR", struct.pack(">IIBBBBB", 4, 1, 8, 3, 0, 0, 0))
            + chunk(b"acTL", struct.pack(">II", 2, 0))
            + chunk(b"PLTE", bytes([255, 0, 0, 0, 255, 0, 255, 255, 0, 0, 0, 0]))
            + chunk(b"tRNS", bytes([255, 255, 255, 0]))
            + chunk(b"IDAT", idat_body([[2, 2, 2, 2]]))
            + fctl(0, 4, 1, 0, 0, 5, 100, 2, 0) + fdat(1, [[0, 0, 0, 0]])
            + fctl(2, 2, 1, 1, 0, 6, 100, 0, 1) + fdat(3, [[3, 1]])
            + chunk(b"IEND", b""))


def apng_too_many_frames():
    """4096 x 4096 and 5 frames: past the frames' memory limit, known from the header."""
    frames = fctl(0, 4096, 4096, 0, 0, 1, 10, 0, 0) + chunk(b"IDAT", b"\0")
    for i in range(1, 5):
        frames += fctl(2 * i - 1, 1, 1, 0, 0, 1, 10, 0, 0) + fdat(2 * i, [[0, 0, 0, 0]])
    return (PNG_SIGNATURE + chunk(b"IHDR", struct.pack(">IIBBBBB", 4096, 4096, 8, 6, 0, 0, 0))
            + chunk(b"acTL", struct.pack(">II", 5, 0)) + frames + chunk(b"IEND", b""))


def apng_partial_over_partial():
    """16-bit RGBA: a partly transparent red laid OVER a partly transparent
    blue, at alphas whose result lies a hair above a rounding step of 8 bits."""
    def row16(pixels):
        return [b for p in pixels for v in p for b in struct.pack(">H", v)]
    blue, red = (0, 0, 65535, 19179), (65535, 0, 0, 30111)
    return (PNG_SIGNATURE + chunk(b"IHDR", struct.pack(">IIBBBBB", 4, 1, 16, 6, 0, 0, 0))
            + chunk(b"acTL", struct.pack(">II", 2, 0))
            + fctl(0, 4, 1, 0, 0, 1, 10, 0, 0) + chunk(b"IDAT", idat_body([row16([blue] * 4)]))
            + fctl(1, 1, 1, 0, 0, 2, 10, 0, 1) + fdat(2, [row16([red])])
            + chunk(b"IEND", b""))


def turned_png():
    """3 x 2, RGBA, with EXIF orientation 6: shown turned a quarter clockwise."""
    exif = b"MM\0*" + struct.pack(">IHHHIHHI", 8, 1, 0x0112, 3, 1, 6, 0, 0)
    return (PNG_SIGNATURE + chunk(b"IHDR", struct.pack(">IIBBBBB", 3, 2, 8, 6, 0, 0, 0)) + chunk(b"eXIf", exif)
            + chunk(b"IDAT", idat_body([rgba_row([R, G, B]), rgba_row([Y, CLEAR, (255, 0, 0, 128)])]))
            + chunk(b"IEND", b""))


def webp_frame_bitstream(pixels):
    """The VP8L chunk of a lossless WebP of one row of pixels."""
    libwebp = ctypes.CDLL(ctypes.util.find_library("webp") or "libwebp.so.7")
    libwebp.WebPEncodeLosslessRGBA.restype = ctypes.c_size_t
    rgba = bytes(rgba_row(pixels))
    output = ctypes.POINTER(ctypes.c_uint8)()
    size = libwebp.WebPEncodeLosslessRGBA(rgba, len(pixels), 1, 4 * len(pixels), ctypes.byref(output))
    encoded = ctypes.string_at(output, size)
    libwebp.WebPFree(output)
    assert encoded[12:16] == b"VP8L"
    return encoded[12:]


def riff_chunk(kind, body):
    return kind + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")


def anmf(x, w, duration, no_blend, dispose, pixels):
    """x is even, as the format stores half of it."""
    head = struct.pack("<I", x // 2)[:3] + b"\0\0\0" + struct.pack("<I", w - 1)[:3] + b"\0\0\0"
    head += struct.pack("<I", duration)[:3] + bytes([(no_blend << 1) | dispose])
    return riff_chunk(b"ANMF", head + webp_frame_bitstream(pixels))


def animated_webp():
    vp8x = bytes([0x12, 0, 0, 0]) + struct.pack("<I", 3)[:3] + struct.pack("<I", 0)[:3]
    body = (b"WEBP" + riff_chunk(b"VP8X", vp8x) + riff_chunk(b"ANIM", bytes([0, 0, 0, 0, 0, 0]))
            + anmf(0, 4, 100, 1, 0, [R, R, R, R])
            + anmf(2, 2, 200, 0, 1, [B, CLEAR])
            + anmf(0, 2, 300, 1, 0, [G, CLEAR])
            + anmf(2, 2, 400, 0, 0, [Y, Y]))
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "data", "animation")
    files = {
        "disposals.gif": gif(4, 1, [
            (0, 0, 4, 1, [0, 0, 0, 0], 1, 10),
            (1, 0, 1, 1, [2], 2, 20),
            (2, 0, 1, 1, [1], 3, 30),
            (3, 0, 1, 1, [3], 0, 40),
            (0, 0, 2, 1, [7, 2], 1, 50),
        ]),
        "default-image.png": apng_default_image(),
        "hidden-image.png": apng_hidden_image(),
        "too-many-frames.png": apng_too_many_frames(),
        "partial-over-partial.png": apng_partial_over_partial(),
        "blends.webp": animated_webp(),
        "turned.png": turned_png(),
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
