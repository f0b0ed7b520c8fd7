#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each.
#   fuzz.sh grow SECONDS    fuzz on fuzz/corpus/TARGET, then shrink that corpus
#                           to the inputs that keep its coverage
#   fuzz.sh replay SECONDS  fuzz on a throw-away copy of the committed corpus,
#                           so the tree stays clean (for make test)
# The hand-picked seeds in fuzz/seeds/TARGET and the inputs of past crashes in
# fuzz/regressions/TARGET are always run first and never shrunk away.
# A crash leaves its input in FUZZ_BIN/../artifacts and fails the script.
set -euo pipefail

mode=${1:?grow or replay}
seconds=${2:?seconds per target}
bin=${FUZZ_BIN:-build-fuzz/bin}
targets=(bmp_import_fuzzer document_open_fuzzer export_writers_fuzzer)
artifacts="$bin/../artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"

passed=0
failed=0
for target in "${targets[@]}"; do
  corpus="fuzz/corpus/$target"
  seeds="fuzz/seeds/$target"
  regressions="fuzz/regressions/$target"
  mkdir -p "$corpus" "$seeds" "$regressions"
  if [ "$mode" = replay ]; then
    cp -r "$corpus" "$work/$target"
    corpus="$work/$target"
  fi
  log="$work/$target.log"
  echo "fuzz: $target for ${seconds}s"
  if "$bin/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$artifacts/$target-" "$corpus" "$seeds" "$regressions" >"$log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|new_units_added|peak_rss_mb)' "$log" | sed "s/^/  /"
    passed=$((passed + 1))
  else
    tail -n 60 "$log"
    echo "fuzz: $target FAILED; its input is in $artifacts"
    failed=$((failed + 1))
    continue
  fi
  if [ "$mode" = grow ]; then
    mkdir "$work/$target.min"
    "$bin/$target" -merge=1 "$work/$target.min" "$corpus" >"$log" 2>&1
    rm -f "$corpus"/*
    cp "$work/$target.min"/* "$corpus"/
    echo "  corpus: $(ls "$corpus" | wc -l) files, $(du -sk "$corpus" | cut -f1) KiB"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
