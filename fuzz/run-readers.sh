#!/bin/bash
# Builds the fuzzers with clang and runs each for a set time (seconds,
# default 600), one after the other, then prints its executions and findings.
#   fuzz/run-readers.sh [seconds] [build dir] [pictures records midi]
set -euo pipefail
seconds="${1:-600}"
here="$(cd "$(dirname "$0")" && pwd)"
build="${2:-$here/../build/fuzz}"
readers=(pictures records)
[ $# -gt 2 ] && readers=("${@:3}")
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2 --target "${readers[@]/#/fuzz_}" >/dev/null
for reader in "${readers[@]}"; do
  work="$build/$reader"
  mkdir -p "$work/corpus" "$work/findings"
  log="$work/run.log"
  seeds="$here/corpus/$reader"
  [ -d "$here/$reader/seeds" ] && seeds="$here/$reader/seeds"
  "$build/fuzz_$reader" -dict="$here/$reader/$reader.dict" -max_total_time="$seconds" \
    -artifact_prefix="$work/findings/" -print_final_stats=1 \
    "$work/corpus" "$seeds" >"$log" 2>&1 || true
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
  rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)"
  findings="$(find "$work/findings" -type f | wc -l)"
  echo "fuzz_$reader: ${runs:-0} executions in ${seconds} s (${rate:-0}/s), $findings findings (log $log)"
done
