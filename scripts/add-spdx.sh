#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every source file of the
# project's own (after a "#!" line), where it is missing; running it again
# changes nothing. With --check it changes nothing and lists the files that
# lack the line, failing when there is one.
# add-spdx.sh [--check] [ROOT]   (ROOT: a git work tree, default this one)
set -euo pipefail
check=false
if [ "${1:-}" = --check ]; then
    check=true
    shift
fi
root=${1:-$(dirname "$0")/..}
cd "$root"

tag='SPDX-License-Identifier: GPL-3.0-or-later'
missing=0

# The files come last, from git; vendored code keeps its own licence, and test
# pictures and fuzz inputs are data.
while IFS= read -r -d '' file; do
    case $file in
        *.c | *.cpp | *.h) line="// $tag" ;;
        *) line="# $tag" ;;
    esac
    first=$(head -n 1 "$file")
    if [[ $first == '#!'* ]]; then
        [ "$(sed -n 2p "$file")" = "$line" ] && continue
        at=1
    else
        [ "$first" = "$line" ] && continue
        at=0
    fi
    if $check; then
        echo "$file: no '$line' at the top"
        missing=1
        continue
    fi
    # awk rather than sed -i: it adds the line to an empty file too.
    awk -v at="$at" -v line="$line" 'NR == at + 1 { print line } { print } END { if (NR < at + 1) print line }' \
        "$file" >"$file.spdx"
    chmod --reference="$file" "$file.spdx"
    mv "$file.spdx" "$file"
done < <(git ls-files -z -- '*.c' '*.cpp' '*.h' '*.cmake' '*CMakeLists.txt' '*.sh' '*.py' '*.bash' '*Makefile' \
    ':!:tests/third_party/' ':!:tests/data/' ':!:fuzz/corpus/' ':!:fuzz/seeds/' ':!:fuzz/regressions/')
exit $missing
