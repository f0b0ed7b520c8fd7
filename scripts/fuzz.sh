#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the fuzz targets for SECONDS each, FUZZ_JOBS of them side by side
# (default 1): every *_fuzzer in FUZZ_BIN, or those FUZZ_TARGETS names.
#   fuzz.sh grow SECONDS    fuzz on fuzz/corpus/TARGET, then shrink that corpus
#                           to the inputs that keep its coverage
#   fuzz.sh replay SECONDS  fuzz on a throw-away copy of the committed corpus,
#                           so the tree stays clean (for make test)
# The hand-picked seeds in fuzz/seeds/TARGET and the inputs of past crashes in
# fuzz/regressions/TARGET are always run first and never shrunk away. Each
# input of fuzz/regressions must run alone within FUZZ_REGRESSION_MS (default
# 5000), half the timeout: one that was slow and turns slow again fails.
# Each target reports its executions, new corpus entries and slowest unit.
# A crash, or a unit over the 10 s timeout, leaves its input in
# FUZZ_BIN/../artifacts and fails the script.
set -euo pipefail

mode=${1:?grow or replay}
seconds=${2:?seconds per target}
bin=${FUZZ_BIN:-build-fuzz/bin}
jobs=${FUZZ_JOBS:-1}
regression_ms=${FUZZ_REGRESSION_MS:-5000}
artifacts="$bin/../artifacts"
[[ "$jobs" =~ ^[1-9][0-9]*$ ]] || { echo "fuzz: FUZZ_JOBS must be a positive number" >&2; exit 2; }

if [ -n "${FUZZ_TARGETS:-}" ]; then
  read -ra targets <<<"$FUZZ_TARGETS"
else
  targets=()
  for path in "$bin"/*_fuzzer; do
    [ -x "$path" ] && targets+=("$(basename "$path")")
  done
fi
[ "${#targets[@]}" -gt 0 ] || { echo "fuzz: no targets in $bin" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"

# A figure from libFuzzer's final statistics in a log.
final_stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -n 1; }

# Fuzzes one target, leaving what it has to say in $work/TARGET.report.
fuzz_target() {
  local target=$1
  local kept="fuzz/corpus/$target" seeds="fuzz/seeds/$target" regressions="fuzz/regressions/$target"
  local corpus=$kept
  local log="$work/$target.log" report="$work/$target.report"
  mkdir -p "$kept" "$seeds" "$regressions"
  if [ "$mode" = replay ]; then
    cp -r "$corpus" "$work/$target.corpus"
    corpus="$work/$target.corpus"
  fi

  # Slow inputs are picked less often: a full-store picture costs hundreds of
  # small ones, and unchecked its offspring would fill the run. A unit of a
  # second or more is reported and kept among the artifacts.
  if ! "$bin/$target" -max_total_time="$seconds" -timeout=10 -report_slow_units=1 \
       -entropic_scale_per_exec_time=1 -print_final_stats=1 \
       -artifact_prefix="$artifacts/$target-" "$corpus" "$seeds" "$regressions" >"$log" 2>&1; then
    { tail -n 60 "$log"; echo "fuzz: $target FAILED; its input is in $artifacts"; } >"$report"
    return 1
  fi
  local executions rate added slow_seconds
  executions=$(final_stat number_of_executed_units "$log")
  rate=$(final_stat average_exec_per_sec "$log")
  added=$(final_stat new_units_added "$log")
  slow_seconds=$(final_stat slowest_unit_time_sec "$log")

  if [ "$mode" = grow ]; then
    mkdir "$work/$target.min"
    "$bin/$target" -merge=1 "$work/$target.min" "$corpus" >"$log" 2>&1
    rm -f "$corpus"/*
    find "$work/$target.min" -type f -exec cp -t "$corpus" {} +
  fi

  # libFuzzer times units in whole seconds only: every input kept in the tree
  # is run once more, alone, for the slowest in milliseconds.
  local slowest
  find "$kept" "$seeds" "$regressions" -type f -print0 | sort -z >"$work/$target.inputs"
  if ! xargs -0r "$bin/$target" -detect_leaks=0 <"$work/$target.inputs" >"$log" 2>&1; then
    { tail -n 60 "$log"; echo "fuzz: $target FAILED on a kept input"; } >"$report"
    return 1
  fi
  slowest=$(sed -n 's/^Executed \(.*\) in \([0-9]*\) ms$/\2 ms, \1/p' "$log" | sort -n | tail -n 1)
  slowest=${slowest:-no input kept to time}
  local too_slow
  too_slow=$(sed -n "s|^Executed \\($regressions/.*\\) in \\([0-9]*\\) ms$|\\2 ms, \\1|p" "$log" |
             awk -v limit="$regression_ms" '$1 + 0 > limit + 0')
  if [ -n "$too_slow" ]; then
    { echo "$too_slow"; echo "fuzz: $target FAILED: a regression input over ${regression_ms} ms"; } >"$report"
    return 1
  fi

  {
    echo "fuzz: $target, ${seconds}s"
    echo "  executions:          $executions, $rate a second"
    echo "  new corpus entries:  $added"
    echo "  slowest unit:        $slowest"
    if [ "${slow_seconds:-0}" -ge 1 ]; then
      echo "  while fuzzing:       one of ${slow_seconds}s, its input in $artifacts/$target-slow-unit-*"
    else
      echo "  while fuzzing:       none of 1 s or more"
    fi
    if [ "$mode" = grow ]; then
      echo "  corpus:              $(ls "$corpus" | wc -l) files, $(du -sk "$corpus" | cut -f1) KiB"
    fi
  } >"$report"
}

declare -A running=()
passed=0
failed=0

# Waits for any running target and prints its report.
finish_one() {
  local pid status=0
  wait -n -p pid || status=$?
  cat "$work/${running[$pid]}.report" 2>/dev/null || echo "fuzz: ${running[$pid]} stopped without a report"
  if [ "$status" -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
  unset "running[$pid]"
}

for target in "${targets[@]}"; do
  while [ "${#running[@]}" -ge "$jobs" ]; do finish_one; done
  echo "fuzz: $target starts, ${seconds}s"
  fuzz_target "$target" &
  running[$!]=$target
done
while [ "${#running[@]}" -gt 0 ]; do finish_one; done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
