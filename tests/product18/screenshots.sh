#!/usr/bin/env bash
# The product's pictures for the README: every dialog as the product DLL
# shows it in Ruby 1.8.7 on 32-bit Wine (English, then the sample French
# strings file), compared with the 64-bit pictures of scripts/screenshots.sh.
# Only the pictures that differ are kept, as docs/screenshots/win32/<dialog>-<lang>.png;
# the folder is emptied first. Needs a machine whose kernel runs i386 programs.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
here=$root/tests/product18
build=$root/build/win32
out_dir=$root/docs/screenshots/win32
cd "$root"

bash scripts/build-ruby18-win32.sh >/dev/null
cmake --preset win32 >/dev/null && cmake --build --preset win32 >/dev/null
bash "$here/driver/build.sh" "$build/product18" >/dev/null

export KVR_WINE_ARCH=win32
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
if ! why=$(i386_probe); then
  echo "screenshots.sh: $why" >&2
  exit 1
fi
wine_prefix_init
xvfb_start

shots=$(mktemp -d)
trap 'rm -rf "$shots"; xvfb_stop' EXIT
KVR_LANE_RESOURCES=$(to_wine_path "$shots")
export KVR_LANE_RESOURCES
wine_ruby18 "$(to_wine_path "$here/screenshots.rb")" "$(to_wine_path "$shots")" en
wine_ruby18 "$(to_wine_path "$here/screenshots.rb")" "$(to_wine_path "$shots")" fr \
  "$(to_wine_path "$root/demo/plugin/kvr.strings")"

mkdir -p "$out_dir"
rm -f "$out_dir"/*.png
same=0
for reference in docs/screenshots/*.png; do
  name=$(basename "$reference")
  picture=$shots/$name
  if [[ ! -f $picture ]]; then
    echo "screenshots.sh: no picture $name from the product" >&2
    exit 1
  fi
  if /usr/bin/python3 scripts/png_tool.py same "$picture" "$reference"; then
    same=$((same + 1))
  else
    cp "$picture" "$out_dir/$name"
    /usr/bin/python3 scripts/png_tool.py compress "$out_dir/$name"
    echo "differs: $out_dir/$name"
  fi
done
echo "$same pictures the same as the 64-bit ones"
