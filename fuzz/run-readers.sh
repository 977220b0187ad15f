#!/bin/bash
# Builds the picture and record fuzzers with clang and runs each for a set
# time (seconds, default 600), then prints its executions and findings.
#   fuzz/run-readers.sh [seconds] [build dir]
set -euo pipefail
seconds="${1:-600}"
here="$(cd "$(dirname "$0")" && pwd)"
build="${2:-$here/../build/fuzz}"
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2 --target fuzz_pictures fuzz_records >/dev/null
for reader in pictures records; do
  work="$build/$reader"
  mkdir -p "$work/corpus" "$work/findings"
  log="$work/run.log"
  "$build/fuzz_$reader" -dict="$here/$reader/$reader.dict" -max_total_time="$seconds" \
    -artifact_prefix="$work/findings/" -print_final_stats=1 \
    "$work/corpus" "$here/corpus/$reader" >"$log" 2>&1 || true
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
  findings="$(find "$work/findings" -type f | wc -l)"
  echo "fuzz_$reader: ${runs:-0} executions in ${seconds} s, $findings findings (log $log)"
done
