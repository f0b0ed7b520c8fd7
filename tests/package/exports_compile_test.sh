#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C file tovix-export writes for a display compiles as it is: gcc in C99
# and g++ in C++17 with -Wall -Wextra -pedantic and no warning, avr-gcc where
# PROGMEM is written, and C and C++ objects both link the array. LVGL 9's
# descriptors compile against LVGL's own headers and agree with their data.
# With --header, a program that includes only the header links the source.
# exports_compile_test.sh TOOL PICTURE WORK_DIR [LVGL_INCLUDE_DIR]
set -euo pipefail
tool=$1 picture=$2 work=$3 lvgl=${4:-}
here=$(cd "$(dirname "$0")" && pwd)
animation=$here/../data/animation/disposals.gif
rm -rf "$work" && mkdir -p "$work" && cd "$work"
cp "$picture" logo.png
status=0
strict=(-Wall -Wextra -pedantic -Werror)

fail() { echo "FAIL: $*"; status=1; }

# check NAME SYMBOL ARGS...: export logo.png as NAME.c with ARGS; SYMBOL is
# the array a user's code reads, or "include:SYMBOL" for a file whose array
# is static and is included where it is used; $defines go to the compilers.
check() {
    local name=$1 symbol=$2
    shift 2
    if ! "$tool" "$@" -n img -o "$name.c" logo.png; then fail "$name: tovix-export $*"; return; fi
    local unit=$name.c
    if [[ $symbol == include:* ]]; then
        symbol=${symbol#include:}
        printf '#include "%s.c"\nconst void* use_%s(void) { return %s; }\n' "$name" "$name" "$symbol" >"${name}_use.c"
        unit=${name}_use.c
    fi
    local includes=()
    [ -n "$lvgl" ] && includes=(-I "$lvgl" -DLV_LVGL_H_INCLUDE_SIMPLE)
    # shellcheck disable=SC2206
    includes+=(${defines:-})
    gcc -std=c99 "${strict[@]}" "${includes[@]}" -c "$unit" -o "$name.c.o" || fail "$name: gcc -std=c99"
    g++ -std=c++17 "${strict[@]}" "${includes[@]}" -x c++ -c "$unit" -o "$name.cpp.o" || fail "$name: g++ -std=c++17"
    if grep -q PROGMEM "$name.c"; then
        avr-gcc -mmcu=atmega328p -Os -std=c99 "${strict[@]}" -c "$unit" -o "$name.avr.o" || fail "$name: avr-gcc"
    fi
    if [[ $unit == "$name.c" ]]; then
        # A user's C and C++ sources declare the array themselves and link it.
        printf 'extern const char %s[];\nint main(void) { return %s[0] == 1; }\n' "$symbol" "$symbol" >"${name}_main.c"
        gcc -std=c99 -c "${name}_main.c" -o "${name}_main.o" && gcc "${name}_main.o" "$name.c.o" -o "${name}_c" ||
            fail "$name: a C program cannot link $symbol"
        printf 'extern "C" const char %s[];\nint main() { return %s[0] == 1; }\n' "$symbol" "$symbol" >"${name}_main.cpp"
        g++ -std=c++17 -c "${name}_main.cpp" -o "${name}_mainpp.o" && g++ "${name}_mainpp.o" "$name.cpp.o" -o "${name}_cpp" ||
            fail "$name: a C++ program cannot link $symbol compiled as C++"
    fi
}

check bytes img -f bytes -m mono --pack pages --attribute PROGMEM
check bytes_plain img -f bytes -m 565
check u8g2 include:img_bits --for u8g2
check xbm include:img_bits --for xbm
check gfx_mono img --for adafruit-gfx
check gfx_565 img --for adafruit-gfx -m 565
check tft_espi img --for tft-espi
check ssd1306 img --for ssd1306 --invert
check sh1106 img --for sh1106
check lvgl9_565 img --for lvgl9
check lvgl9_888 img --for lvgl9 -m 24
check lvgl9_xrgb img --for lvgl9-xrgb8888
check lvgl9_l8 img --for lvgl9 -m grey8
check lvgl9_i4 img --for lvgl9 -m index4
check gfx_grey img --for adafruit-gfx -m grey8
check bytes_index img -f bytes -m index2 --attribute PROGMEM
check lvgl9_argb img --for lvgl9 -m argb8888
check lvgl9_565a8 img --for lvgl9 -m rgb565a8
check lvgl9_a8 img --for lvgl9 -m a8
check gfx_mask img_mask --for adafruit-gfx -m 565a1
check epaper img_black --for epaper
check epaper_yellow img_yellow --for epaper-yellow --dither atkinson
defines="-DLVGL_VERSION_8" check lvgl8_565 img --for lvgl8
defines="-DLVGL_VERSION_8 -DLV_COLOR_DEPTH=32" check lvgl8_32 img --for lvgl8 -m 24
defines="-DLVGL_VERSION_8 -DLV_COLOR_DEPTH=32" check lvgl8_argb img --for lvgl8 -m argb8888
defines="-DLVGL_VERSION_8" check lvgl8_565a8 img --for lvgl8 -m rgb565a8
defines="-DLVGL_VERSION_8" check lvgl8_a8 img --for lvgl8 -m a8
defines="-DLVGL_VERSION_8" check lvgl8_i1 img --for lvgl8 -m index1
defines="-DLVGL_VERSION_8 -DLV_COLOR_DEPTH=32" check lvgl8_i8 img --for lvgl8 -m index8

# The frames of an animation, and a still picture's one frame.
check frames_still img_delays -f bytes -m 565 --frames --attribute PROGMEM
cp "$animation" logo.png
check frames img_frames -f bytes -m mono --frames --attribute PROGMEM
check frames_static include:img_frames -f bytes -m 24 --frames --static
cp "$picture" logo.png

# Every LVGL 9 colour format, against LVGL's own headers: a descriptor whose
# magic, colour format, size, stride and data_size agree with the data by
# LVGL's definitions, at a width that pads the rows of I1 to I4.
lvgl9=${lvgl:+$lvgl/../lvgl9}
if [ -n "$lvgl" ]; then
    cp "$here/../data/pngsuite/s35n3p04.png" odd.png
    check_lvgl9() {   # check_lvgl9 COLOUR_FORMAT TOVIX_EXPORT_OPTIONS...
        local cf=$1
        shift
        "$tool" "$@" -n img -o "l9_$cf.c" odd.png || { fail "lvgl9 $cf: tovix-export $*"; return; }
        printf '#include "l9_%s.c"\n#include "%s"\n' "$cf" "$here/lvgl9_descriptor_check.c" >"l9_${cf}_check.c"
        local flags=(-I "$lvgl9" -DLV_LVGL_H_INCLUDE_SIMPLE -DCF=LV_COLOR_FORMAT_$cf -DW=35 -DH=35)
        gcc -std=c99 "${strict[@]}" "${flags[@]}" "l9_${cf}_check.c" -o "l9_${cf}_c" && "./l9_${cf}_c" ||
            fail "lvgl9 $cf: the descriptor compiled as C disagrees with LVGL"
        g++ -std=c++17 "${strict[@]}" "${flags[@]}" -x c++ "l9_${cf}_check.c" -o "l9_${cf}_cpp" && "./l9_${cf}_cpp" ||
            fail "lvgl9 $cf: the descriptor compiled as C++ disagrees with LVGL"
    }
    check_lvgl9 RGB565 --for lvgl9 -m 16
    check_lvgl9 RGB888 --for lvgl9 -m 24
    check_lvgl9 XRGB8888 --for lvgl9-xrgb8888
    check_lvgl9 L8 --for lvgl9 -m grey8
    check_lvgl9 I1 --for lvgl9 -m index1
    check_lvgl9 I2 --for lvgl9 -m index2
    check_lvgl9 I4 --for lvgl9 -m index4
    check_lvgl9 I8 --for lvgl9 -m index8
    check_lvgl9 ARGB8888 --for lvgl9 -m argb8888
    check_lvgl9 RGB565A8 --for lvgl9 -m rgb565a8
    check_lvgl9 A8 --for lvgl9 -m a8
fi

# A header: C and C++ sources include it and link the array.
"$tool" -f bytes -m 565 --attribute PROGMEM --header hdr.h -n img -o hdr.c logo.png
for compiler in "gcc -std=c99" "g++ -std=c++17 -x c++"; do
    $compiler "${strict[@]}" -c hdr.c -o hdr.o || fail "hdr: $compiler"
    printf '#include "hdr.h"\nint main(void) { return img[0] == 1 && img_WIDTH > 0; }\n' >hdr_main.c
    gcc -std=c99 "${strict[@]}" -c hdr_main.c -o hdr_main.o && g++ hdr_main.o hdr.o -o hdr_prog ||
        fail "hdr: a C program cannot link the array compiled by $compiler"
done
avr-gcc -mmcu=atmega328p -Os "${strict[@]}" -c hdr.c -o hdr.avr.o || fail "hdr: avr-gcc"

# A display source with its header: the source compiled as C and as C++, and
# a C program that knows only the header reads what the library takes.
# check_header NAME EXPRESSION ARGS...
check_header() {
    local name=$1 expression=$2
    shift 2
    "$tool" "$@" --header "$name.h" -n img -o "$name.c" logo.png || { fail "$name: tovix-export $*"; return; }
    local flags=(-I "$lvgl9" -DLV_LVGL_H_INCLUDE_SIMPLE)
    [[ $* == *lvgl8* ]] && flags=(-I "$lvgl" -DLV_LVGL_H_INCLUDE_SIMPLE -DLVGL_VERSION_8)
    printf '#include "%s.h"\nint main(void) { return %s; }\n' "$name" "$expression" >"${name}_main.c"
    gcc -std=c99 "${strict[@]}" "${flags[@]}" -c "${name}_main.c" -o "${name}_main.o" || fail "$name: the header alone"
    for compiler in "gcc -std=c99" "g++ -std=c++17 -x c++"; do
        $compiler "${strict[@]}" "${flags[@]}" -c "$name.c" -o "$name.o" && g++ "${name}_main.o" "$name.o" -o "$name" ||
            fail "$name: a C program cannot link the source compiled by $compiler"
    done
}
if [ -n "$lvgl" ]; then
    check_header h_u8g2 'img_bits[0] + img_width + img_height == 1' --for u8g2
    check_header h_gfx 'img[0] + img_mask[0] + img_WIDTH + img_HEIGHT == 1' --for adafruit-gfx -m 565a1
    check_header h_tft 'img[0] + img_WIDTH == 1' --for tft-espi
    check_header h_ssd1306 'img[0] + img_HEIGHT == 1' --for ssd1306
    check_header h_sh1106 'img[0] + img_HEIGHT == 1' --for sh1106
    check_header h_lvgl9 'img.header.w == 1' --for lvgl9 -m index2
    check_header h_lvgl9_xrgb 'img.header.w == 1' --for lvgl9-xrgb8888
    check_header h_lvgl8 'img.header.w == 1' --for lvgl8
    check_header h_epaper 'img_black[0] + img_red[0] + img_WIDTH == 1' --for epaper
    check_header h_epaper_yellow 'img_black[0] + img_yellow[0] + img_HEIGHT == 1' --for epaper-yellow
fi

exit $status
