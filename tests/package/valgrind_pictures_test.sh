#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every test picture through tovix-export under valgrind's memcheck, Qt's
# readers for the long tail included: no read of an uninitialised or freed
# byte, and no uninitialised byte in an export.
# Usage: valgrind_pictures_test.sh TOVIX_EXPORT TESTDATA_DIR WORK_DIR
set -euo pipefail
tool=$1 data=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
cp "$data"/pngsuite/*.png "$data"/damage/* "$data"/tga/*.tga "$data"/longtail/* "$work"/
# One run for all pictures: each export lands beside its picture, and the
# refused broken files make the tool's own status 1, which is not the point.
status=0
valgrind --quiet --error-exitcode=99 --track-origins=yes "$tool" -f bytes --force "$work"/* \
  > "$work/valgrind.log" 2>&1 || status=$?
if [ "$status" -eq 99 ] || grep -q "^==[0-9]*== " "$work/valgrind.log"; then
  grep "^==" "$work/valgrind.log" | head -50 >&2
  echo "memcheck found errors" >&2
  exit 1
fi
# The animations, every frame.
mkdir "$work/frames"
cp "$data"/animation/* "$work/frames/"
valgrind --quiet --error-exitcode=99 --track-origins=yes "$tool" -f bytes --frames --force "$work"/frames/* \
  > "$work/frames/valgrind.log" 2>&1 || status=$?
if [ "$status" -eq 99 ] || grep -q "^==[0-9]*== " "$work/frames/valgrind.log"; then
  grep "^==" "$work/frames/valgrind.log" | head -50 >&2
  echo "memcheck found errors in frames" >&2
  exit 1
fi
echo "checked $(ls "$work"/*.c "$work"/frames/*.c | wc -l) exports"
