#!/bin/bash
# Runs one fuzzer from its seeds with its dictionary, in a work folder made
# afresh, and fails on any finding (a crash, a sanitizer's report, a leak, a
# hang, too much memory); the input that found it stays in the work folder's
# findings.
#   fuzz/run-reader.sh <fuzzer> <reader: midi, pictures or records> <work folder> <limit>
# The limit is libFuzzer's: -runs=N for a fixed number of runs, or
# -max_total_time=S for a time.
set -euo pipefail
fuzzer="$1" reader="$2" work="$3" limit="$4"
here="$(cd "$(dirname "$0")" && pwd)"
seeds="$here/corpus/$reader"
[ -d "$here/$reader/seeds" ] && seeds="$here/$reader/seeds"
rm -rf "$work"
mkdir -p "$work/corpus" "$work/findings"
log="$work/run.log"
status=0
# In the work folder: a harness may write its scratch files where it runs.
(cd "$work" && "$fuzzer" -dict="$here/$reader/$reader.dict" "$limit" -timeout=10 \
  -artifact_prefix="$work/findings/" -print_final_stats=1 "$work/corpus" "$seeds") >"$log" 2>&1 ||
  status=$?
runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)"
findings="$(find "$work/findings" -type f | wc -l)"
echo "fuzz_$reader: ${runs:-0} executions (${rate:-0}/s), $findings findings, exit code $status (log $log)"
if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
  tail -n 60 "$log"
  exit 1
fi
