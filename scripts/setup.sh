#!/bin/bash
# Installs every Debian package the builds and tests use, skipping what is
# already present, and makes the Wine prefix the tests share.
set -euo pipefail

PACKAGES=(
  cmake make g++ pkg-config git zip unzip file
  g++-mingw-w64-i686 binutils-mingw-w64-i686 nsis
  googletest libbenchmark-dev
  libcairo2-dev libfontconfig-dev fonts-noto-color-emoji fonts-dejavu-core
  wine wine32:i386 xvfb xdotool libxtst6 imagemagick x11-utils python3
  cups cups-bsd printer-driver-cups-pdf libcups2:i386 poppler-utils
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The shared Wine prefix for the Windows unit tests; end-to-end tests make their own.
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${MOSSLEAF_WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  echo "setup: creating Wine prefix $WINEPREFIX"
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
