#!/bin/bash
# Runs every test: installs what is missing, builds both builds, then one
# ctest run over the host tests, the Windows tests under Wine and the
# end-to-end tests of the real program.
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/setup.sh"
build_host
build_win32

start_xvfb
wineserver -p
wine cmd /c exit >/dev/null 2>&1 || true  # start the prefix services outside ctest
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

cd "$BUILD/win32"
# The programs under test mostly wait for windows and files: twice as many
# tests as processors keep the machine busy.
ctest --output-on-failure --timeout 1800 -j"$((2 * JOBS))" "$@"
