#!/usr/bin/env bash
# Runs the dialog framework tests of a win64 build under Wine, on a virtual
# display, and exits with the test program's status.
#
#   bash tests/framework/run-wine.sh BUILD_DIR [GoogleTest arguments...]
#
# KVR_WINE_TIMEOUT (seconds, default 600) bounds the run; a run that hangs
# (a dialog waiting for input that never comes) ends with status 124.
set -uo pipefail

if [[ $# -lt 1 ]]; then
  echo "usage: $0 BUILD_DIR [GoogleTest arguments...]" >&2
  exit 2
fi
build=$1
shift
exe=$build/kvr_framework_tests.exe
if [[ ! -f $exe ]]; then
  echo "run-wine: no $exe (configure and build the win64 preset)" >&2
  exit 1
fi
exe=$(realpath -- "$exe")

cd "$(dirname "$0")/../.." || exit 1
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
wine_prefix_init || exit 1
xvfb_start || exit 1

status=0
KVR_WINE_TIMEOUT=${KVR_WINE_TIMEOUT:-600} wine_run "$exe" --gtest_color=no "$@" || status=$?
if [[ $status -eq 124 ]]; then
  echo "run-wine: the tests did not finish within ${KVR_WINE_TIMEOUT:-600} s" >&2
fi
exit "$status"
