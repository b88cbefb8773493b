#!/usr/bin/env bash
# Installs the Debian packages every lane needs. Safe to run again: it does
# nothing when all packages are present already.
set -euo pipefail

packages=(
  cmake g++ make pkg-config googletest libgtest-dev
  ruby ruby-dev ruby-minitest
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  mingw-w64-i686-dev mingw-w64-x86-64-dev
  wine64 fonts-wine fonts-liberation xvfb xauth python3-pefile
  dpkg-dev xz-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
