#!/usr/bin/env bash
# Builds Ruby 1.8.7 for 32-bit Windows (i386-mingw32), once, into a cache
# outside the clone, from the release source in ../shared/vendor/ (or
# KVR_RUBY18_SOURCE). Prints the install prefix: bin/ruby.exe,
# bin/msvcrt-ruby18.dll and lib/ruby/1.8 with test/unit. About a minute and a
# half; later runs find the finished prefix and return at once. Exits with 77,
# saying why on one line, when the source is not there (it is not part of the
# clone), so that a lane can count itself skipped.
#
# Debian has no Ruby 1.8, and the cross build runs 1.8's own build scripts, so
# a native 1.8.7 is built first from the same source as the build-time Ruby.
# Why the flags:
#   -O0                1.8.7 built by GCC 12 at -O1 crashes under GC.stress
#   -fwrapv            Fixnum overflow checks rely on signed wrap-around
#   -std=gnu99 ...     K&R-era code that GCC 12 otherwise rejects
#   --disable-largefile  the MinGW headers would map fstat to _fstat64 while
#                      struct stat stays 32-bit: File.read smashes the stack
#   -static-libgcc, static winpthread: the interpreter must not itself bring
#                      the MinGW runtime DLLs (tests load them on purpose)
#   make -j1           rubyw.exe's rule misses its dependency on main.o
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cache=${KVR_CACHE:-/var/cache/kvr_gui}
prefix=$cache/ruby-1.8.7-i386-mingw32
native=$cache/ruby-1.8.7-native
stamp=$prefix/.complete
source=${KVR_RUBY18_SOURCE:-$root/../shared/vendor/ruby-1.8.7-p374.tar.xz}

if [[ -f $stamp ]]; then
  echo "$prefix"
  exit 0
fi
if [[ ! -f $source ]]; then
  echo "no Ruby 1.8.7 source at $source (KVR_RUBY18_SOURCE names it)" >&2
  exit 77
fi

mkdir -p "$cache"
# One build at a time; a second caller waits and then finds the stamp.
exec {lock}>"$cache/ruby-1.8.7.build.lock"
flock "$lock"
if [[ -f $stamp ]]; then
  echo "$prefix"
  exit 0
fi

work=$cache/ruby-1.8.7-src
log=$cache/ruby-1.8.7-build.log
rm -rf "$work" "$prefix" "$native"
mkdir -p "$work/native" "$work/cross"

cflags="-O0 -g0 -fwrapv -std=gnu99 -fno-strict-aliasing -Wno-implicit-function-declaration"
cflags+=" -Wno-implicit-int -Wno-deprecated-declarations"

build() {
  set -ex
  tar -C "$work/native" --strip-components=1 -xf "$source"
  tar -C "$work/cross" --strip-components=1 -xf "$source"

  cd "$work/native"
  ./configure --prefix="$native" --disable-pthread --disable-install-doc CFLAGS="$cflags"
  make -j1 EXTS=none
  make install EXTS=none

  # The build-time Ruby goes in through the environment: named on configure's
  # command line it would land in rbconfig's configure_args, where the
  # extension builder reads it as the name of the program to make.
  cd "$work/cross"
  local cc="i686-w64-mingw32-gcc -static-libgcc"
  RUBY="$native/bin/ruby" ./configure --host=i686-w64-mingw32 --target=i386-mingw32 \
    --prefix="$prefix" --disable-pthread --disable-largefile --disable-install-doc \
    --enable-shared CC="$cc" LDSHARED="$cc -shared" CFLAGS="$cflags" \
    LIBS="-Wl,-Bstatic -lwinpthread -Wl,-Bdynamic"
  make -j1 EXTS=none
  make install EXTS=none
}

# Not "(build) || ...": errexit would be off inside the tested subshell.
set +e
(build) >"$log" 2>&1
status=$?
set -e
if ((status != 0)); then
  tail -n 40 "$log" >&2
  exit 1
fi

for file in bin/ruby.exe bin/msvcrt-ruby18.dll lib/ruby/1.8/test/unit.rb; do
  [[ -f $prefix/$file ]] || {
    echo "build-ruby18-win32: the build gave no $prefix/$file (log: $log)" >&2
    exit 1
  }
done
touch "$stamp"
rm -rf "$work"
echo "$prefix"
