#!/bin/bash
# Builds the program and starts it under Wine from its program folder: the
# 32-bit program that ships, or its 64-bit twin where Linux runs no 32-bit
# code. With a display, the window opens there. Without one, the program
# starts on a virtual display, a screenshot is saved and its path printed.
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/setup.sh"
build_host >/dev/null
read -r build _ <<<"$(runnable_builds)"
build_windows "$build" >/dev/null
if [ "$build" = win32 ]; then
  echo "Running the 32-bit program (build/win32)."
else
  echo "Running the 64-bit twin (build/win64): this machine runs no 32-bit code."
fi
export WINEPREFIX="$(prefix_of "$build")"
WINE="$(wine_of "$build")"

FOLDER="$BUILD/$build/dist/Mossleaf4"
cd "$FOLDER"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting Mossleaf 4 from $FOLDER (Wine's own messages go to $BUILD/wine.log)"
  exec "$WINE" Mossleaf4.exe 2>"$BUILD/wine.log"
fi

start_xvfb
"$WINE" Mossleaf4.exe 2>"$BUILD/wine.log" &
PROGRAM=$!
SHOT="$BUILD/screenshot.png"
sleep "${MOSSLEAF_SHOT_DELAY:-6}"
import -window root "$SHOT"
kill "$PROGRAM" 2>/dev/null || true
wineserver -k 2>/dev/null || true
kill "$XVFB_PID" 2>/dev/null || true
echo "No display here: Mossleaf 4 ran on a virtual display."
echo "Screenshot: $SHOT"
echo "To see the window itself, run this command on a machine with a display (or over ssh -X)."
