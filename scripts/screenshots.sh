#!/usr/bin/env bash
# Pictures of every dialog of the module for the README, as the real Win32
# code draws them under Wine on a private Xvfb display: the demo runs once in
# English and once with the sample French strings file, saving
# docs/screenshots/<dialog>-<lang>.png (the dialogs are listed in
# demo/show_dialogs.rb).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out_dir=$root/docs/screenshots
english=$(mktemp -d)
trap 'rm -rf "$english"' EXIT
mkdir -p "$out_dir"
rm -f "$out_dir"/*.png

KVR_XVFB=1 SORVANE_SCREENSHOTS=$out_dir SORVANE_RESOURCE_DIR=$english \
  bash "$root/scripts/wine-demo.sh" >/dev/null
KVR_XVFB=1 SORVANE_SCREENSHOTS=$out_dir SORVANE_RESOURCE_DIR=$root/demo/plugin \
  bash "$root/scripts/wine-demo.sh" >/dev/null

# The driver writes plain (stored) PNG; compress them for the repository.
/usr/bin/python3 "$root/scripts/png_tool.py" compress "$out_dir"/*.png
