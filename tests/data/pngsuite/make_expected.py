#!/usr/bin/python3
# Writes expected.gz: what the picture import must make of each PngSuite
# file, decoded by pypng (an independent decoder) and converted and
# flattened on white by the import's rules. Run once, from this folder,
# when the rules change; the tests only read the result.
#
# Rules: samples as stored (sBIT ignored); gAMA 1/2.2 with no cHRM or sRGB's
# primaries, or an sRGB chunk, as stored; any other gAMA or cHRM converted
# to sRGB (Bradford to D65 for other primaries, clipped); then
# round((c * a + 255 * (255 - a)) / 255), at 16 bits for 16-bit files
# and rounded once to 8 bits. Each record: "name width height tolerance\n"
# and then the RGB bytes, top row first; tolerance is 0 for files taken
# as stored and 1 for converted ones (a colour engine's 16-bit rounding).
import glob
import gzip
import io
import struct

import numpy as np
import png

SRGB = (0.3127, 0.3290, 0.64, 0.33, 0.30, 0.60, 0.15, 0.06)
BRADFORD = np.array([[0.8951, 0.2664, -0.1614], [-0.7502, 1.7135, 0.0367], [0.0389, -0.0685, 1.0296]])


def xyz(x, y):
    return np.array([x / y, 1.0, (1 - x - y) / y])


def rgb_to_xyz(c):
    white = xyz(c[0], c[1])
    primaries = np.column_stack([xyz(c[2], c[3]), xyz(c[4], c[5]), xyz(c[6], c[7])])
    return primaries * np.linalg.solve(primaries, white)


def adapt(src_white, dst_white):
    s, d = BRADFORD @ src_white, BRADFORD @ dst_white
    return np.linalg.inv(BRADFORD) @ np.diag(d / s) @ BRADFORD


def srgb_encode(v):
    v = np.clip(v, 0.0, 1.0)
    return np.where(v <= 0.0031308, 12.92 * v, 1.055 * np.power(v, 1 / 2.4) - 0.055)


def label(chunks):
    gamma = primaries = None
    srgb = False
    for kind, data in chunks:
        if kind == b'gAMA':
            gamma = struct.unpack('>I', data)[0] / 1e5
        elif kind == b'cHRM':
            primaries = tuple(v / 1e5 for v in struct.unpack('>8I', data))
        elif kind == b'sRGB':
            srgb = True
    return srgb, gamma, primaries


def as_stored(srgb, gamma, primaries):
    if srgb or (gamma is None and primaries is None):
        return True
    gamma_ok = gamma is None or abs(gamma - 0.45455) <= 5e-5
    return gamma_ok and (primaries is None or all(abs(a - b) <= 0.001 for a, b in zip(primaries, SRGB)))


def expected(path):
    data = open(path, 'rb').read()
    chunks = list(png.Reader(bytes=data).chunks())
    srgb, gamma, primaries = label(chunks)
    # pypng scales samples by sBIT; the import takes them as stored.
    out = io.BytesIO()
    png.write_chunks(out, [c for c in chunks if c[0] != b'sBIT'])
    width, height, rows, info = png.Reader(bytes=out.getvalue()).asDirect()
    planes, depth = info['planes'], info['bitdepth']
    a = np.array([list(r) for r in rows], dtype=np.float64).reshape(height, width, planes)
    top = (1 << depth) - 1
    deep = depth == 16
    full = 65535 if deep else 255
    a = a * (full / top)     # 1, 2 and 4 bits widen exactly by repetition
    colour = a[:, :, :3] if planes >= 3 else np.repeat(a[:, :, :1], 3, axis=2)
    alpha = a[:, :, planes - 1] if planes in (2, 4) else np.full((height, width), float(full))
    tolerance = 0
    if not as_stored(srgb, gamma, primaries):
        tolerance = 1
        linear = np.power(colour / full, 1 / (gamma or 0.45455))
        source = primaries or SRGB
        to_srgb = np.linalg.inv(rgb_to_xyz(SRGB)) @ adapt(xyz(source[0], source[1]), xyz(SRGB[0], SRGB[1])) @ rgb_to_xyz(source)
        colour = srgb_encode(linear @ to_srgb.T) * 65535
        full, deep = 65535, True
        alpha = alpha * (65535 / (65535 if depth == 16 else 255))
    colour = np.rint(colour).astype(np.int64)
    alpha = np.rint(alpha).astype(np.int64)[:, :, None]
    if deep:
        divisor = 65535 * 257
        result = (colour * alpha + 65535 * (65535 - alpha) + divisor // 2) // divisor
    else:
        result = (colour * alpha + 255 * (255 - alpha) + 127) // 255
    return width, height, tolerance, result.astype(np.uint8).tobytes()


with gzip.open('expected.gz', 'wb', 9) as target:
    for path in sorted(glob.glob('[!x]*.png')):
        width, height, tolerance, pixels = expected(path)
        target.write(f'{path[:-4]} {width} {height} {tolerance}\n'.encode() + pixels)
