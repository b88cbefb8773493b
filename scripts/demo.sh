#!/usr/bin/env bash
# Builds the module for Linux and runs the demo: the module loaded into Ruby
# with the sample plug-in (French strings file, then English).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target kvr_gui

ruby demo/run_demo.rb build/linux/kvr_gui.so
echo
SORVANE_RESOURCE_DIR=$(mktemp -d) ruby demo/run_demo.rb build/linux/kvr_gui.so
