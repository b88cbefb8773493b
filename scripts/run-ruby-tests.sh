#!/usr/bin/env bash
# Runs the Ruby suite (tests/ruby/run.rb) against one build of the module:
#   scripts/run-ruby-tests.sh linux    Debian's Ruby, build/linux/kvr_gui.so
#   scripts/run-ruby-tests.sh win64    the cross-built ruby.exe under Wine on a
#                                      private Xvfb display, build/win64/kvr_gui.so
# Arguments after the preset go to minitest (e.g. -n /radio/ or -v).
# KVR_BUILD_DIR overrides build/PRESET; KVR_TEST_TIMEOUT (seconds, default 900)
# bounds the whole run, so that a dialog left open cannot hang the lane.
# The exit status is the suite's (124 after a timeout).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
preset=${1:-}
if [[ $preset != linux && $preset != win64 ]]; then
  echo "usage: $0 linux|win64 [minitest options]" >&2
  exit 2
fi
shift

build_dir=$(realpath -m -- "${KVR_BUILD_DIR:-$root/build/$preset}")
so=$build_dir/kvr_gui.so
suite=$root/tests/ruby/run.rb
timeout_s=${KVR_TEST_TIMEOUT:-900}

if [[ ! -f $so ]]; then
  echo "$so is missing: cmake --preset $preset && cmake --build --preset $preset" >&2
  exit 2
fi
if [[ ! -f $suite ]]; then
  echo "$suite is missing" >&2
  exit 2
fi

cd "$root"
status=0
case $preset in
  linux)
    KVR_GUI_SO=$so timeout --kill-after=10 "$timeout_s" /usr/bin/ruby "$suite" "$@" || status=$?
    ;;
  win64)
    # shellcheck source=scripts/wine-env.sh
    source "$root/scripts/wine-env.sh"
    wine_prefix_init
    xvfb_start
    KVR_GUI_SO=$(to_wine_path "$so") KVR_WINE_TIMEOUT=$timeout_s \
      wine_ruby "$(to_wine_path "$suite")" "$@" || status=$?
    ;;
esac
if ((status == 124)); then
  echo "$0: the suite did not finish within ${timeout_s}s" >&2
fi
exit "$status"
