#!/usr/bin/env bash
# Builds the module for Linux and runs the demo: the module loaded into Ruby
# with the sample plug-in (French strings file, then English), every dialog
# shown and driven on the headless window system, printing what each shows.
# Where a display is available (DISPLAY), the demo then runs once more under
# Wine with the real Win32 dialogs on that display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target kvr_gui

ruby demo/run_demo.rb build/linux/kvr_gui.so
echo
SORVANE_RESOURCE_DIR=$(mktemp -d) ruby demo/run_demo.rb build/linux/kvr_gui.so

if [[ -n ${DISPLAY:-} ]]; then
  echo
  echo "Under Wine, on display $DISPLAY:"
  bash scripts/wine-demo.sh
fi
