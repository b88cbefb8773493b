#!/usr/bin/env bash
# Builds the lane's test helpers into OUT_DIR: the runtime loader extension
# (support/runtime_loader.c) and a copy of the MinGW runtime DLLs that other
# plug-ins bring into a host (libgcc_s_dw2-1, libstdc++-6, libwinpthread-1),
# in one folder so that each finds the others. Needs no 32-bit execution.
#
# Usage: support/build.sh RUBY18_PREFIX OUT_DIR
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
prefix=$1
out=$2
mkdir -p "$out/runtime"

i686-w64-mingw32-gcc -std=gnu99 -O1 -Wall -Wextra -Wno-unused-parameter -shared -static-libgcc \
  -isystem "$prefix/lib/ruby/1.8/i386-mingw32" -o "$out/runtime_loader.so" \
  "$here/runtime_loader.c" -L "$prefix/lib" -lmsvcrt-ruby18

runtime_dirs=(/usr/lib/gcc/i686-w64-mingw32/12-posix /usr/i686-w64-mingw32/lib)
for dll in libgcc_s_dw2-1.dll libstdc++-6.dll libwinpthread-1.dll; do
  found=
  for dir in "${runtime_dirs[@]}"; do
    if [[ -f $dir/$dll ]]; then
      found=$dir/$dll
      break
    fi
  done
  [[ -n $found ]] || {
    echo "support/build.sh: no $dll in ${runtime_dirs[*]} (install g++-mingw-w64-i686-posix)" >&2
    exit 1
  }
  cp -u "$found" "$out/runtime/"
done
