#!/usr/bin/env bash
# The demo under Wine: the win64 build loaded into the cross-built Ruby with
# the sample plug-in, every dialog shown by the real Win32 code and driven as
# a user would. It runs on the display in DISPLAY, or on a private Xvfb display
# when there is none (or KVR_XVFB=1).
#   SORVANE_RESOURCE_DIR  where the host finds kvr.strings (default: the
#                         plug-in's folder, French)
#   SORVANE_SCREENSHOTS   a folder: each dialog is also saved there as
#                         <dialog>-<lang>.png
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
build_win64_module
wine_prefix_init
if [[ -z ${DISPLAY:-} || -n ${KVR_XVFB:-} ]]; then
  xvfb_start
  trap xvfb_stop EXIT
fi

[[ -n ${SORVANE_RESOURCE_DIR:-} ]] && export SORVANE_RESOURCE_DIR=$(to_wine_path "$SORVANE_RESOURCE_DIR")
[[ -n ${SORVANE_SCREENSHOTS:-} ]] && export SORVANE_SCREENSHOTS=$(to_wine_path "$SORVANE_SCREENSHOTS")
wine_ruby "$(to_wine_path "$root/demo/run_demo.rb")" "$(to_wine_path "$root/build/win64/kvr_gui.so")"
