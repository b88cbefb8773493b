#!/usr/bin/env bash
# Builds the outside driver and its link recorder, i686 Windows programs
# linked statically (they need no MinGW runtime DLL in the Wine prefix).
#
# Usage: tests/product18/driver/build.sh [OUTPUT_DIR]   (default: build/win32/product18,
# where the Ruby 1.8 lane keeps its helpers)
# Prints the path of kvr_driver.exe; kvr_url_recorder.exe is beside it.
# Rebuilds only when a source is newer.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
out=${1:-$root/build/win32/product18}
flags=(-std=c++17 -O2 -Wall -Wextra -Werror -municode -static -D_WIN32_WINNT=0x0601 -DUNICODE
  -I "$root/src")
cxx=i686-w64-mingw32-g++-posix

# build EXE SOURCES... -- LINK FLAGS...
build() {
  local exe=$1 sources=()
  shift
  while [[ $1 != -- ]]; do sources+=("$1"); shift; done
  shift
  if [[ -f $exe ]] && [[ -z $(find "${sources[@]}" "$here"/*.h "$root"/src/testing/*.h "$root"/src/text/*.h "$0" -newer "$exe") ]]; then
    return 0
  fi
  "$cxx" "${flags[@]}" "${sources[@]}" "$@" -o "$exe"
}

mkdir -p "$out"
build "$out/kvr_driver.exe" "$here"/{main,session,dialog_state,dialog_watch,real_input,screen_copy,json_writer,url_handler,file_io}.cpp \
  "$root"/src/testing/{png_writer,screen_capture_win32}.cpp "$root/src/text/wide_string.cpp" -- -luser32 -lgdi32 -ladvapi32
build "$out/kvr_url_recorder.exe" "$here"/{url_recorder_main,url_handler,file_io}.cpp "$root/src/text/wide_string.cpp" -- \
  -mwindows -lshell32 -ladvapi32
echo "$out/kvr_driver.exe"
