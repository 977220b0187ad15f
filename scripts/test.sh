#!/bin/bash
# Runs every test: installs what is missing, builds the host build and both
# Windows builds, then one ctest run over the host tests, and for each Windows
# build this machine can run, the Windows tests under Wine and the end-to-end
# tests of the real program. A Windows build it cannot run is still built and
# checked; its Wine tests are reported skipped.
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/setup.sh"
build_host
build_windows win32
build_windows win64

builds="$(runnable_builds)"
if [ "$builds" = "win32 win64" ]; then
  echo "Testing the 32-bit program and its 64-bit twin: this machine runs 32-bit code."
else
  echo "Testing the 64-bit twin only: this machine runs no 32-bit code (the 32-bit program is built and checked, its Wine tests skipped)."
fi

start_xvfb
cleanup() {
  for build in $builds; do WINEPREFIX="$(prefix_of "$build")" wineserver -k 2>/dev/null || true; done
  kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
for build in $builds; do
  # A persistent server (one left running by an earlier run will do), and the
  # prefix's services started outside ctest.
  WINEPREFIX="$(prefix_of "$build")" wineserver -p 2>/dev/null || true
  WINEPREFIX="$(prefix_of "$build")" "$(wine_of "$build")" cmd /c exit >/dev/null 2>&1 || true
done

# One ctest run over the three builds.
echo 'subdirs("host" "win32" "win64")' >"$BUILD/CTestTestfile.cmake"
# The programs under test mostly wait for windows and files: twice as many
# tests as processors keep the machine busy.
status=0
ctest --test-dir "$BUILD" --output-on-failure --timeout 1800 -j"$((2 * JOBS))" "$@" || status=$?
if [ "$builds" = win64 ]; then
  echo "Skipped, as this machine runs no 32-bit code: the win32 build's Wine tests (the installer's among them)."
fi
exit "$status"
