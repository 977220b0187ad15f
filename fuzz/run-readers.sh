#!/bin/bash
# Builds the fuzzers with clang and runs each for a set time (seconds,
# default 600), one after the other, printing its executions and findings.
# Fails when any of them found something.
#   fuzz/run-readers.sh [seconds] [build dir] [midi pictures records]
set -euo pipefail
seconds="${1:-600}"
here="$(cd "$(dirname "$0")" && pwd)"
build="${2:-$here/../build/fuzz}"
readers=(midi pictures records)
[ $# -gt 2 ] && readers=("${@:3}")
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2 --target "${readers[@]/#/fuzz_}" >/dev/null
failed=()
for reader in "${readers[@]}"; do
  "$here/run-reader.sh" "$build/fuzz_$reader" "$reader" "$build/$reader" -max_total_time="$seconds" ||
    failed+=("fuzz_$reader")
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "Findings in: ${failed[*]}" >&2
  exit 1
fi
