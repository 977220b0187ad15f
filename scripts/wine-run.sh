#!/bin/bash
# Runs a Windows program under Wine for ctest: wine-run.sh LOADER PROGRAM ARGS...
# The output goes through a file, because Wine's helper processes inherit
# ctest's pipe and would hold it open long after the program ends.
out="$(mktemp)"
"$@" >"$out" 2>&1
rc=$?
tr -d '\r' <"$out"
rm -f "$out"
exit "$rc"
