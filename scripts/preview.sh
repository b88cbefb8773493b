#!/usr/bin/env bash
# Shows a translation in every dialog, as the real Win32 code draws it under
# Wine on a private Xvfb display, beside English:
#   scripts/preview.sh STRINGS_FILE [OUT_DIR]     (OUT_DIR defaults to ./preview)
# Writes a PNG per dialog and language, OUT_DIR/index.html and
# OUT_DIR/overflow.json (every translated text that does not fit its control,
# by its English text and the file's line, with the pixels it needs and has;
# and what kvr-strings check finds the module loses). Exit status 1 when a
# text does not fit, 2 when the preview could not be made.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [[ $# -lt 1 || $# -gt 2 || ! -f $1 ]]; then
  echo "usage: $0 STRINGS_FILE [OUT_DIR]" >&2
  exit 2
fi
strings=$(realpath -- "$1")
out_dir=$(realpath -m -- "${2:-preview}")
mkdir -p "$out_dir"
rm -f "$out_dir"/*.png "$out_dir"/measures-*.json "$out_dir"/check.json

cd "$root"
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
build_win64_module
cmake --build --preset win64 --target kvr-strings >/dev/null
wine_prefix_init
xvfb_start
dirs=$(mktemp -d)
trap 'xvfb_stop; rm -rf "$dirs"' EXIT
mkdir "$dirs/en" "$dirs/tr"
cp -- "$strings" "$dirs/tr/kvr.strings"

for lang in en tr; do
  SORVANE_RESOURCE_DIR=$(to_wine_path "$dirs/$lang") \
    wine_ruby "$(to_wine_path "$root/scripts/preview/render.rb")" \
    "$(to_wine_path "$root/build/win64/kvr_gui.so")" "$(to_wine_path "$out_dir")" "$lang" >&2 ||
    { echo "$0: the dialogs could not be rendered ($lang)" >&2; exit 2; }
done
# The checker's findings for the page; status 1 (a text lost) is a finding.
status=0
wine_run "$root/build/win64/kvr-strings.exe" check --json "$(to_wine_path "$strings")" \
  >"$out_dir/check.json" || status=$?
if ((status > 1)); then
  echo "$0: kvr-strings could not check $strings" >&2
  exit 2
fi
/usr/bin/ruby "$root/scripts/preview/page.rb" "$out_dir" "$strings" "$out_dir/check.json"
