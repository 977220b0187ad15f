# Shared by the run, test and benchmark scripts: paths, the Wine environment,
# and the builds: host (Linux), win32 (the program that ships) and win64 (its
# 64-bit twin, which runs where Linux runs no 32-bit code).
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
JOBS="$(nproc)"

# Whether Linux runs 32-bit programs here (Wine's 32-bit side needs it): the
# least 32-bit program is made and run. MOSSLEAF_NO_32BIT=1 answers no, to try
# the 64-bit-only path on a machine that runs both.
runs_32bit() {
  [ "${MOSSLEAF_NO_32BIT:-}" != 1 ] || return 1
  local dir ran=1
  dir="$(mktemp -d)"
  printf '.globl _start\n_start:\n movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' >"$dir/p.s"
  if as --32 "$dir/p.s" -o "$dir/p.o" 2>/dev/null && ld -m elf_i386 "$dir/p.o" -o "$dir/p" 2>/dev/null &&
     "$dir/p" 2>/dev/null; then
    ran=0
  fi
  rm -rf "$dir"
  return "$ran"
}

# The Windows builds this machine can run, the shipped one first.
runnable_builds() {
  if runs_32bit; then echo win32 win64; else echo win64; fi
}

# Per Windows build: its toolchain file, Wine loader and Wine prefix.
toolchain_of() { case "$1" in win32) echo "$ROOT/cmake/mingw-i686.cmake" ;; win64) echo "$ROOT/cmake/mingw-x86_64.cmake" ;; esac; }
wine_of() { case "$1" in win32) echo /usr/lib/wine/wine ;; win64) echo /usr/lib/wine/wine64 ;; esac; }
prefix_of() {
  case "$1" in
    win32) echo "${MOSSLEAF_WINEPREFIX:-$BUILD/wineprefix}" ;;
    win64) echo "${MOSSLEAF_WINEPREFIX64:-$BUILD/wineprefix64}" ;;
  esac
}

build_host() {
  cmake -S "$ROOT" -B "$BUILD/host" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOSSLEAF_SANITIZE=ON >/dev/null
  cmake --build "$BUILD/host" -j"$JOBS"
}

# build_windows BUILD: builds win32 or win64 from the host build's art. Where
# this machine cannot run the build, its Wine tests are reported skipped.
build_windows() {
  local skip=""
  if ! runnable_builds | grep -qw "$1"; then skip="this machine runs no 32-bit code"; fi
  cmake -S "$ROOT" -B "$BUILD/$1" -DCMAKE_TOOLCHAIN_FILE="$(toolchain_of "$1")" \
    -DCMAKE_BUILD_TYPE=Release -DMOSSLEAF_ART_DIR="$BUILD/host/art" \
    -DMOSSLEAF_WINEPREFIX="$(prefix_of "$1")" -DMOSSLEAF_SKIP_REASON="$skip" >/dev/null
  cmake --build "$BUILD/$1" -j"$JOBS"
}

# make_prefix BUILD: the Wine prefix of a build, with the settings the tests
# rely on: a crash ends the program with the exception's code (no crash
# debugger, which may end it with 0), and Direct3D draws through GDI, so that
# the full-screen display mode puts no OpenGL surface over the child windows
# (Wine's 32-bit side has no OpenGL library here, and draws the same way).
make_prefix() {
  local prefix loader
  prefix="$(prefix_of "$1")"
  loader="$(wine_of "$1")"
  [ ! -f "$prefix/.mossleaf-settings" ] || return 0
  mkdir -p "$prefix"
  echo "setup: creating the $1 Wine prefix $prefix"
  (
    export WINEPREFIX="$prefix"
    WINEARCH="$1" "$loader" wineboot.exe -i >/dev/null 2>&1 || true
    "$loader" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
      /v Debugger /d none /f >/dev/null 2>&1
    "$loader" reg add 'HKCU\Software\Wine\Direct3D' /v renderer /d gdi /f >/dev/null 2>&1
    wineserver -w
  )
  touch "$prefix/.mossleaf-settings"
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
