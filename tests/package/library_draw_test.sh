#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The libraries draw what tovix-export --for writes for them exactly as the
# picture is after the mode's reduction, which the tool's FORMAT_2 text of
# the same picture gives (for grey, its -f bin bytes): u8g2 and Adafruit GFX with their own code on the
# host, an X11 bitmap as ImageMagick reads it.
# library_draw_test.sh TOOL SOURCE_DIR WORK_DIR
set -euo pipefail
tool=$1 source=$2 work=$3
third=$source/tests/third_party here=$source/tests/package/library_draw
rm -rf "$work" && mkdir -p "$work" && cd "$work"
status=0
fail() { echo "FAIL: $*"; status=1; }

# 128 x 64 for the OLEDs; 37 x 21, no multiple of 8 wide, for the rest.
/usr/bin/python3 - <<'EOF'
import png, random
random.seed(24)
for name, w, h in (("oled", 128, 64), ("odd", 37, 21)):
    rows = [[random.randrange(256) for _ in range(w * 3)] for _ in range(h)]
    png.Writer(w, h, greyscale=False).write(open(name + ".png", "wb"), rows)
EOF
# Two colours by brightness, as every library target takes them by default.
for picture in oled odd; do
    "$tool" -f 2 -m 1 --mono luminance -o "$picture-mono.txt" "$picture.png"
    "$tool" -f 2 -m 16 -o "$picture-565.txt" "$picture.png"
done
"$tool" -f bin -m grey8 -o odd-grey8.txt odd.png

u8g2=$third/u8g2/csrc
gcc -std=c99 -O1 -c "$u8g2"/*.c
for pages in ssd1306 sh1106; do
    "$tool" --for u8g2 -n img -o u8g2.c oled.png --force
    "$tool" --for "$pages" -n pages -o pages.c oled.png --force
    gcc -std=c99 -I . -I "$u8g2" -I "$here" -DEXPORT='"u8g2.c"' -DPAGES='"pages.c"' "$here/u8g2_draw.c" ./u8*.o -o u8g2_draw
    ./u8g2_draw oled-mono.txt || fail "u8g2 and $pages"
done
"$tool" --for u8g2 -n img -o u8g2.c odd.png --force
gcc -std=c99 -I . -I "$u8g2" -I "$here" -DEXPORT='"u8g2.c"' "$here/u8g2_draw.c" ./u8*.o -o u8g2_draw
./u8g2_draw odd-mono.txt || fail "u8g2 at 37 x 21"

gfx=$third/adafruit_gfx
g++ -std=c++17 -O1 -DARDUINO=100 -I "$gfx/host" -I "$gfx" -c "$gfx/Adafruit_GFX.cpp" -o gfx.o
for target in "adafruit-gfx mono -DMONO" "adafruit-gfx 565" "tft-espi 565" "adafruit-gfx grey8 -DGREY"; do
    read -r name mode define <<<"$target"
    "$tool" --for "$name" -m "$mode" -n img -o gfx.c odd.png --force
    g++ -std=c++17 -DARDUINO=100 -I . -I "$gfx/host" -I "$gfx" -I "$here" -DEXPORT='"gfx.c"' ${define:-} \
        "$here/gfx_draw.cpp" gfx.o -o gfx_draw
    ./gfx_draw "odd-$mode.txt" || fail "Adafruit GFX drawing $target"
done

# ImageMagick's reading of the X11 bitmap, as a plain PBM: 1 for black.
"$tool" --for xbm -n img -o img.xbm odd.png --force
magick_pbm=$(convert img.xbm -compress none pbm:- | tail -n +3 | tr -s ' \n' '  ')
reference=$(/usr/bin/python3 - odd-mono.txt <<'EOF'
import sys
text = open(sys.argv[1]).read().split(",")
w, h = int(text[1]), int(text[2])
values = [int(v, 16) for v in text[3:] if v.strip()]
per_row = (w + 7) // 8
bits = [(values[y * per_row + x // 8] >> (7 - x % 8)) & 1 for y in range(h) for x in range(w)]
print(" ".join(map(str, bits)))
EOF
)
[ "$(echo $magick_pbm)" = "$(echo $reference)" ] || fail "ImageMagick reads the X11 bitmap otherwise"

# drawRGBBitmap with the mask: a picture of every alpha, its pixels of alpha
# 128 or more drawn in their own RGB565 colour, not laid on any background,
# the others leaving the canvas's colour.
/usr/bin/python3 - <<'EOF'
import png, random
random.seed(124)
w, h = 37, 21
rows = [[random.randrange(256) for _ in range(w * 4)] for _ in range(h)]
png.Writer(w, h, greyscale=False, alpha=True).write(open("alpha.png", "wb"), rows)
values = []
for row in rows:
    for x in range(w):
        r, g, b, a = row[4 * x:4 * x + 4]
        values.append((r >> 3) << 11 | (g >> 2) << 5 | b >> 3 if a >= 128 else 0x1234)
open("alpha-reference.txt", "w").write(f"MASKED,{w},{h},\n" + ",".join(f"{v:x}" for v in values) + "\n")
EOF
"$tool" --for adafruit-gfx -m 565a1 -n img -o gfx.c alpha.png --force
g++ -std=c++17 -DARDUINO=100 -I . -I "$gfx/host" -I "$gfx" -I "$here" -DEXPORT='"gfx.c"' -DMASK=0x1234 \
    "$here/gfx_draw.cpp" gfx.o -o gfx_draw
./gfx_draw alpha-reference.txt || fail "Adafruit GFX drawing with the mask"
exit $status
