#!/usr/bin/env bash
# Builds the outside driver, an i686 Windows program linked statically (it
# needs no MinGW runtime DLL in the Wine prefix).
#
# Usage: tests/product18/driver/build.sh [OUTPUT_DIR]   (default: build/product18)
# Prints the path of kvr_driver.exe. Rebuilds only when a source is newer.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=${1:-$root/build/product18}
exe=$out/kvr_driver.exe
sources=("$here"/*.cpp "$root/src/testing/png_writer.cpp")

mkdir -p "$out"
if [[ -f $exe ]] && [[ -z $(find "${sources[@]}" "$here"/*.h "$0" -newer "$exe") ]]; then
  echo "$exe"
  exit 0
fi
i686-w64-mingw32-g++-posix -std=c++17 -O2 -Wall -Wextra -Werror -municode -static \
  -D_WIN32_WINNT=0x0601 -DUNICODE -I "$root/src" "${sources[@]}" \
  -luser32 -lgdi32 -ladvapi32 -o "$exe"
echo "$exe"
