#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A picture named after a keyword of C or C++, or after anything the C
# library's <stdio.h>, <time.h>, <stdlib.h> and <string.h> declare, gives
# an array that compiles beside those headers, with gcc and g++, in FORMAT_1,
# -f bytes and a --for target; standard input gives "picture". The library's
# names are asked of the compiler here, not taken from the tool.
# reserved_names_test.sh TOOL PICTURE WORK_DIR
set -euo pipefail
tool=$1 picture=$2 work=$3
rm -rf "$work" && mkdir -p "$work/pictures" && cd "$work"
status=0
fail() { echo "FAIL: $*"; status=1; }
strict=(-Wall -Wextra -pedantic -Werror)

headers='#include <stdio.h>
#include <time.h>
#include <stdlib.h>
#include <string.h>'
echo "$headers" >headers.c
# Macros, functions, objects and types the four headers declare, without
# the implementation's own names (a leading "_"), but for C's _Exit and _IO*BF.
{
    gcc -std=c2x -E -dM headers.c | awk '{ sub(/\(.*/, "", $2); print $2 }'
    gcc -std=c2x -fsyntax-only -aux-info decls.txt headers.c && grep -oE '[A-Za-z_][A-Za-z0-9_]* \(' decls.txt | tr -d ' ('
    gcc -std=c2x -E -P headers.c | grep -oE '(typedef|extern) [^(;]*[ *][A-Za-z_][A-Za-z0-9_]* *;' | grep -oE '[A-Za-z0-9_]+ *;$' | tr -d ' ;'
    gcc -std=c2x -E -P headers.c | grep -oE 'struct [A-Za-z_][A-Za-z0-9_]*' | cut -d' ' -f2
} | grep -v '^_' | sort -u >library.txt
echo "_Exit _IOFBF _IOLBF _IONBF" | tr ' ' '\n' >>library.txt
for name in clock stdin stdout FILE size_t EOF NULL memcpy exit time tm; do
    grep -qx "$name" library.txt || fail "the compiler's list misses $name"
done
# C23's and C++23's keywords.
keywords="alignas alignof asm auto bool break case catch char char8_t char16_t char32_t class co_await co_return
co_yield concept const consteval constexpr constinit const_cast continue decltype default delete do double
dynamic_cast else enum explicit export extern false float for friend goto if inline int long mutable namespace new
noexcept nullptr operator private protected public register reinterpret_cast requires restrict return short signed
sizeof static static_assert static_cast struct switch template this thread_local throw true try typedef typeid
typename typeof typeof_unqual union unsigned using virtual void volatile wchar_t while and and_eq bitand bitor compl
not not_eq or or_eq xor xor_eq _Alignas _Alignof _Atomic _BitInt _Bool _Complex _Decimal128 _Decimal32 _Decimal64
_Generic _Imaginary _Noreturn _Static_assert _Thread_local"
names=$(cat library.txt; echo "$keywords" | tr ' ' '\n')
for name in $names; do cp "$picture" "pictures/$name.png"; done

# check FORMAT_OPTIONS...: every picture exported, all of them in one source
# after the four headers, compiled as C and as C++.
check() {
    local out=$1
    shift
    mkdir "$out"
    (cd pictures && "$tool" "$@" ./*.png) || { fail "$out: tovix-export $*"; return; }
    mv pictures/*.c "$out"/
    { echo "$headers"; for file in "$out"/*.c; do echo "#include \"$file\""; done; } >"$out.c"
    gcc -std=c2x "${strict[@]}" -c "$out.c" -o "$out.o" || fail "$out: gcc -std=c2x"
    g++ -std=c++2b "${strict[@]}" -x c++ -c "$out.c" -o "$out.oo" || fail "$out: g++ -std=c++2b"
}
check format1 -m 1
check bytes -f bytes -m 1
check gfx --for adafruit-gfx -m 16

grep -q "^unsigned char return_img\[" format1/return.c || fail "return.png is not return_img"
grep -q "^const uint8_t clock_img\[" bytes/clock.c || fail "clock.png is not clock_img"
# A name the identifier rules make into a keyword.
cp "$picture" static-assert.png
"$tool" -f bytes -m 1 static-assert.png
grep -q "^const uint8_t static_assert_img\[" static-assert.c || fail "static-assert.png is not static_assert_img"
# A header's guard keeps clear of the library's macros too.
"$tool" -f bytes -m 1 --header eof -n logo -o with_header.c "$picture"
printf '%s\n#include "eof"\nint main(void) { return logo[0] + (EOF < 0); }\n' "$headers" >use_header.c
gcc -std=c2x "${strict[@]}" use_header.c with_header.c -o use_header || fail "a header named eof"
"$tool" -f bytes -m 1 -o from_stdin.c - <"$picture"
grep -q "^const uint8_t picture\[" from_stdin.c || fail "standard input is not named picture"
exit $status
