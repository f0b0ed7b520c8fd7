#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tovix-export -f bin --for lvgl9 writes the .bin image file that LVGL's own
# converter, scripts/LVGLImage.py, writes for the same picture.
# lvgl_converter_test.sh TOOL LVGLIMAGE_PY WORK_DIR
set -euo pipefail
tool=$1 script=$2 work=$3
# Debian's python3, which has python3-png and python3-lz4, whatever PATH finds first.
python=/usr/bin/python3
rm -rf "$work" && mkdir -p "$work" && cd "$work"

# Two opaque 13 x 7 pictures: one of any colours, and one whose channels are
# no multiple of 4. The converter lays an opaque pixel on its background as
# (v * 255) >> 8, one below v for any v > 0, which changes the RGB565 value
# only where v is a multiple of 8 (of 4 for green).
"$python" - <<'EOF'
import png, random
random.seed(24)
def save(name, pick):
    rows = [[pick() for _ in range(13 * 3)] for _ in range(7)]
    png.Writer(13, 7, greyscale=False).write(open(name, "wb"), rows)
save("any.png", lambda: random.randrange(256))
save("kept.png", lambda: random.choice([v for v in range(256) if v % 4]))
EOF

status=0
convert() {   # convert PICTURE CF "MODE [OPTIONS]" TARGET: ours-CF.bin and ref/PICTURE.bin
    # shellcheck disable=SC2086
    "$tool" -f bin --for "$4" -m $3 -o "ours-$2.bin" --force "$1.png"
    "$python" "$script" --ofmt BIN --cf "$2" -o ref "$1.png" >/dev/null
}

convert kept RGB565 16 lvgl9
cmp "ours-RGB565.bin" ref/kept.bin || { echo "FAIL: RGB565 differs from LVGLImage.py"; status=1; }

for cf in RGB888:24:lvgl9 XRGB8888:24:lvgl9-xrgb8888; do
    IFS=: read -r name mode target <<<"$cf"
    convert any "$name" "$mode" "$target"
    "$python" - "ours-$name.bin" ref/any.bin "$name" <<'EOF' || status=1
import sys
ours, ref, name = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read(), sys.argv[3]
step = 4 if name == "XRGB8888" else 3
expected = ours[:12] + bytes(v if i % step == 3 else v * 255 >> 8 for i, v in enumerate(ours[12:]))
if expected != ref:
    print(f"FAIL: {name} differs from LVGLImage.py beyond its opaque rounding")
    sys.exit(1)
EOF
done
# L8: the converter lays each opaque pixel on its background too, and
# truncates the luminance where we round it, so it comes out 0 to 2 lower.
convert any L8 grey8 lvgl9
"$python" - ours-L8.bin ref/any.bin <<'EOF' || status=1
import sys
ours, ref = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read()
if len(ours) != len(ref) or ours[:12] != ref[:12] or any(not 0 <= o - r <= 2 for o, r in zip(ours[12:], ref[12:])):
    print("FAIL: L8 differs from LVGLImage.py beyond its rounding")
    sys.exit(1)
EOF

# I1 to I8: pictures of a palette of exactly 2^bits colours, which the
# converter keeps as it is, and the same colours as --palette: equal bytes.
"$python" - <<'EOF'
import png, random
random.seed(11)
for bits in (1, 2, 4, 8):
    n = 1 << bits
    palette = [(c >> 16, (c >> 8) & 255, c & 255) for c in random.sample(range(1 << 24), n)]
    rows = [[random.randrange(n) for _ in range(13)] for _ in range(7)]
    png.Writer(13, 7, palette=palette, bitdepth=8).write(open(f"i{bits}.png", "wb"), rows)
    open(f"i{bits}.txt", "w").write("".join("#%02x%02x%02x\n" % colour for colour in palette))
EOF
for bits in 1 2 4 8; do
    convert "i$bits" "I$bits" "index$bits --palette i$bits.txt" lvgl9
    cmp "ours-I$bits.bin" "ref/i$bits.bin" || { echo "FAIL: I$bits differs from LVGLImage.py"; status=1; }
done
exit $status
