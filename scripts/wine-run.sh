#!/bin/bash
# Runs a Windows program under Wine for ctest: wine-run.sh LOADER PROGRAM ARGS...
# The output goes through a file, because Wine's helper processes inherit
# ctest's pipe and would hold it open long after the program ends. A failure
# says how the program ended, as a crash or a Wine that never started the
# program may have printed nothing.
out="$(mktemp)"
"$@" >"$out" 2>&1
rc=$?
tr -d '\r' <"$out"
rm -f "$out"
if [ "$rc" != 0 ]; then
  echo "wine-run.sh: $2 ended with exit code $rc after ${SECONDS} s (free space: $(df -h --output=avail /tmp | tail -1 | tr -d ' '))"
fi
exit "$rc"
