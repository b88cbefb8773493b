#!/usr/bin/env bash
# Installs the Debian packages every lane needs. Safe to run again: it does
# nothing when all packages are present already. 32-bit Wine (wine32:i386,
# for the product's Ruby 1.8 lane) only where the kernel runs i386 programs:
# elsewhere it could not start, and that lane skips.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake g++ make pkg-config googletest libgtest-dev
  ruby ruby-dev ruby-minitest
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  mingw-w64-i686-dev mingw-w64-x86-64-dev
  wine64 fonts-wine fonts-liberation xvfb xauth python3-pefile
  dpkg-dev xz-utils
)

install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

install_missing "${packages[@]}"
# The probe assembles a tiny i386 program, so it runs once binutils is there.
# shellcheck source=scripts/wine-env.sh
if (source scripts/wine-env.sh && i386_probe >/dev/null); then
  if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    install_missing wine32:i386
  fi
fi
