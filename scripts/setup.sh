#!/bin/bash
# Installs every Debian package the builds and tests use, skipping what is
# already present, and makes the Wine prefix of each Windows build this
# machine can run. Wine's 32-bit side is installed only where Linux runs
# 32-bit programs; wine64 runs the 64-bit twin everywhere.
set -euo pipefail
source "$(dirname "$0")/common.sh"

PACKAGES=(
  cmake make g++ binutils pkg-config git zip unzip file
  g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis
  googletest libbenchmark-dev
  libcairo2-dev libfontconfig-dev fonts-noto-color-emoji fonts-dejavu-core
  wine wine64 xvfb xdotool libxtst6 imagemagick x11-utils python3
  cups cups-bsd printer-driver-cups-pdf poppler-utils
  clang libclang-rt-14-dev
  abcmidi  # abc2midi writes the songs of a MIDI writer not ours for the player tests
)
# Wine's 32-bit side, and the printing library it prints through.
PACKAGES_32BIT=(wine32:i386 libcups2:i386)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing_of() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || echo "$p"
  done
}

install() {
  [ $# -gt 0 ] || return 0
  echo "setup: installing $*"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "$@"
}

# binutils first: the check for 32-bit support assembles a program.
command -v as >/dev/null || install binutils
if runs_32bit; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  PACKAGES+=("${PACKAGES_32BIT[@]}")
fi
# shellcheck disable=SC2046
install $(missing_of "${PACKAGES[@]}")

for build in $(runnable_builds); do
  make_prefix "$build"
done
