#!/usr/bin/env bash
# Cross-builds Ruby 3.1 for x64-mingw32 from Debian's ruby3.1 source package,
# once, into a cache outside the clone. Prints the install prefix.
# The build takes about ten minutes; later runs find the finished prefix and
# return at once.
set -euo pipefail

cache=${KVR_CACHE:-/var/cache/kvr_gui}
prefix=$cache/ruby-3.1-x64-mingw32
stamp=$prefix/.complete
version=3.1.2-7+deb12u1

if [[ -f $stamp ]]; then
  echo "$prefix"
  exit 0
fi

mkdir -p "$cache"
work=$cache/ruby-src
rm -rf "$work" "$prefix"
mkdir -p "$work"

# Debian's source packages are reachable once a deb-src entry exists.
src_list=/etc/apt/sources.list.d/kvr-gui-deb-src.sources
if [[ ! -f $src_list ]]; then
  cat >"$src_list" <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  apt-get update -qq
fi

# A list written by a run whose update failed (apt busy) is not read yet:
# update once more before giving up.
fetch_source() { (cd "$work" && apt-get source --download-only -qq "ruby3.1=$version" >/dev/null); }
fetch_source || { apt-get update -qq && fetch_source; }
tar -C "$work" -xf "$work"/ruby3.1_3.1.2.orig.tar.xz
srcdir=$(find "$work" -maxdepth 1 -type d -name 'ruby*3.1*' | head -n 1)

# Only the extensions that minitest and the test suites load.
exts=etc,stringio,io/console,io/wait,io/nonblock,pathname,strscan,monitor,date,fcntl
exts+=,rbconfig/sizeof,cgi/escape,json,json/generator,json/parser
exts+=,digest,digest/md5,digest/sha1,digest/sha2

log=$cache/ruby-build.log
(
  cd "$srcdir"
  ./configure --host=x86_64-w64-mingw32 --with-baseruby=/usr/bin/ruby \
    --prefix="$prefix" --disable-install-doc --enable-shared \
    --with-ext="$exts"
  make -j"$(nproc)" main
  make install-local install-ext
) >"$log" 2>&1 || {
  tail -n 40 "$log" >&2
  exit 1
}

touch "$stamp"
rm -rf "$work"
echo "$prefix"
