# Shared by the run and test scripts: paths, the Wine environment, and the
# two builds.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
export WINEPREFIX="${MOSSLEAF_WINEPREFIX:-$BUILD/wineprefix}"
export MOSSLEAF_WINEPREFIX="$WINEPREFIX"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
JOBS="$(nproc)"

build_host() {
  cmake -S "$ROOT" -B "$BUILD/host" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOSSLEAF_SANITIZE=ON >/dev/null
  cmake --build "$BUILD/host" -j"$JOBS"
}

build_win32() {
  cmake -S "$ROOT" -B "$BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DMOSSLEAF_ART_DIR="$BUILD/host/art" \
    -DMOSSLEAF_HOST_BUILD_DIR="$BUILD/host" >/dev/null
  cmake --build "$BUILD/win32" -j"$JOBS"
}

free_display() {
  local n
  for n in $(seq 90 119); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then echo "$n"; return; fi
  done
  return 1
}

# Starts Xvfb on a free display and exports DISPLAY; XVFB_PID is its process.
start_xvfb() {
  local n
  n="$(free_display)"
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
  echo "could not start Xvfb on :$n" >&2
  return 1
}
