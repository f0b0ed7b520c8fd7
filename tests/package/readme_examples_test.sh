#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every worked example of the documents holds: each command runs, and the
# lines shown after it, up to "...", are the first lines of what it writes.
# The pictures are made at the sizes shown. A DOCUMENT given as FILE:HEADING
# is read only in its section "## HEADING" (the README's other examples name
# pictures that are not there); each document must give an example.
# readme_examples_test.sh TOOL WORK_DIR DOCUMENT...
set -euo pipefail
tool=$1 work=$2
shift 2
rm -rf "$work" && mkdir -p "$work"
status=0
count=0

# make_picture NAME WIDTH HEIGHT: a PNG of colours that vary over it.
make_picture() {
    /usr/bin/python3 - "$work/$1" "$2" "$3" <<'EOF'
import png, sys
name, w, h = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
rows = [[(x * 7 + y * 13) % 256 for x in range(w * 3)] for y in range(h)]
png.Writer(w, h, greyscale=False).write(open(name, "wb"), rows)
EOF
}

check() {   # check COMMAND EXPECTED
    local command=$1 expected=$2 input=${1##* }
    count=$((count + 1))
    if [ -n "$expected" ]; then
        local size
        size=$(head -1 <<<"$expected" | sed -nE 's|^/\* ([0-9]+)x([0-9]+) pixels.*|\1 \2|p')
        [ -n "$size" ] && make_picture "$input" $size
    fi
    local actual="" output=-
    # A command shown without its output may write a binary file.
    [ -z "$expected" ] && output=$work/shown.out
    # shellcheck disable=SC2086
    if ! actual=$(cd "$work" && "$tool" ${command#tovix-export } -o "$output" --force); then
        echo "FAIL: '$command' fails"
        status=1
        return
    fi
    if [ -n "$expected" ] && [ "$(head -n "$(wc -l <<<"$expected")" <<<"$actual")" != "$expected" ]; then
        echo "FAIL: '$command' writes otherwise than the document shows:"
        diff <(echo "$expected") <(head -n "$(wc -l <<<"$expected")" <<<"$actual") || true
        status=1
    fi
}

# examples_in TEXT: checks every example of the text.
examples_in() {
    local command="" expected="" reading=0 line
    while IFS= read -r line; do
        if [[ $line == "    tovix-export "* ]]; then
            [ -n "$command" ] && check "$command" "$expected"
            command=${line#    } expected="" reading=1
        elif [[ $line == "    ..." ]]; then
            reading=0
        elif [[ $reading == 1 && ( $line == "    "* || ( -z $line && -n $expected ) ) ]]; then
            expected+="${expected:+$'\n'}${line#    }"
        elif [[ -n $line ]]; then
            reading=0
        fi
    done <<<"$1"
    [ -n "$command" ] && check "$command" "$expected"
    return 0
}

for document in "$@"; do
    file=${document%%:*} before=$count
    if [ "$file" = "$document" ]; then
        examples_in "$(cat "$file")"
    else
        examples_in "$(awk -v heading="## ${document#*:}" '$0 == heading { inside = 1; next } /^## / { inside = 0 } inside' "$file")"
    fi
    [ "$count" -gt "$before" ] || { echo "FAIL: no example in $document"; status=1; }
done
[ "$count" -ge 10 ] || { echo "FAIL: only $count examples found"; status=1; }
echo "$count examples checked"
exit $status
