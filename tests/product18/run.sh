#!/usr/bin/env bash
# The product as users run it: build/win32/kvr_gui.so loaded by a real Ruby
# 1.8.7 for 32-bit Windows under 32-bit Wine, in a prefix of its own, on Xvfb.
# Runs every tests/product18/*_test.rb (test/unit, part of Ruby 1.8.7) with
# that interpreter, each in one process.
#
# The builds come first and need no 32-bit execution (the product; the outside
# driver when present; the Ruby 1.8.7 pieces, cached; the test helpers), so
# they run on every machine. Then, where the kernel refuses i386 programs (no
# 32-bit Wine can run there) or the Ruby 1.8.7 source is absent, the lane
# prints one "skipped: <why>" line and exits with 77, which scripts/test.sh
# counts as skipped.
#
# Usage: tests/product18/run.sh [BUILD_DIR]   (default: build/win32, the preset's)
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
here=$root/tests/product18
build=${1:-$root/build/win32}
helpers=$build/product18
cd "$root" || exit 1

cmake --preset win32 -S "$root" -B "$build" >/dev/null || exit 1
cmake --build "$build" -j2 >/dev/null || {
  cmake --build "$build" -j1 2>&1 | tail -n 30
  exit 1
}
if [[ -f $here/driver/build.sh ]]; then
  bash "$here/driver/build.sh" "$helpers" >/dev/null || exit 1
fi

# The Ruby 1.8.7 source is not part of the clone: without it the lane skips.
skip=
ruby_log=$(mktemp)
prefix=$(bash scripts/build-ruby18-win32.sh 2>"$ruby_log")
case $? in
  0) ;;
  77) skip=$(head -n 1 "$ruby_log") ;;
  *)
    cat "$ruby_log" >&2
    rm -f "$ruby_log"
    exit 1
    ;;
esac
rm -f "$ruby_log"
if [[ -z $skip ]]; then
  bash "$here/support/build.sh" "$prefix" "$helpers" || exit 1
fi

export KVR_WINE_ARCH=win32
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" || exit 1
if [[ -z $skip ]] && ! skip=$(i386_probe); then
  [[ -n $skip ]] || skip="the i386 probe failed"
fi
if [[ -n $skip ]]; then
  echo "skipped: $skip"
  exit 77
fi

wine_prefix_init || exit 1
xvfb_start || exit 1
# A dialog nobody closes must not hold the lane for wine_run's default 15 min.
export KVR_WINE_TIMEOUT=${KVR_WINE_TIMEOUT:-300}

# What the tests find through the environment: the product and the helpers on
# the load path (RUBYLIB reaches the child interpreters a test starts), the
# runtime DLLs, a resource folder without a strings file (English).
resources=$(mktemp -d)
trap 'rm -rf "$resources"; xvfb_stop' EXIT
KVR_LANE_BUILD=$(to_wine_path "$build")
KVR_LANE_HELPERS=$(to_wine_path "$helpers")
KVR_LANE_RUNTIME_DIR=$(to_wine_path "$helpers/runtime")
KVR_LANE_RESOURCES=$(to_wine_path "$resources")
KVR_LANE_ROOT=$(to_wine_path "$root")
export KVR_LANE_BUILD KVR_LANE_HELPERS KVR_LANE_RUNTIME_DIR KVR_LANE_RESOURCES KVR_LANE_ROOT
support=$(to_wine_path "$here/support")
export RUBYLIB="$KVR_LANE_BUILD;$KVR_LANE_HELPERS;$support"

failures=()
for test in "$here"/*_test.rb; do
  name=$(basename "$test")
  echo "== $name"
  if ! wine_ruby18 "$(to_wine_path "$test")"; then
    failures+=("$name")
  fi
done

if ((${#failures[@]})); then
  echo "ruby 1.8 lane FAILED after ${SECONDS} s: ${failures[*]}"
  exit 1
fi
echo "ruby 1.8 lane passed in ${SECONDS} s"
