#!/usr/bin/env bash
# Pictures of every dialog of the module for the README, as Wine draws them:
# builds the win64 preset, then shows each dialog under Wine on a private Xvfb
# display, once in English and once with the demo's French strings file, and
# saves docs/screenshots/<dialog>-<lang>.png.
#   scripts/screenshots.sh            all dialogs
#   scripts/screenshots.sh about      only the dialogs named
# KVR_BUILD_DIR overrides build/win64 (it must be a configured win64 build).
# To add a dialog, add one line to DIALOGS below.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${KVR_BUILD_DIR:-$root/build/win64}
out_dir=$root/docs/screenshots

cd "$root"
if [[ -z ${KVR_BUILD_DIR:-} ]]; then
  cmake --preset win64 >/dev/null
  cmake --build --preset win64
else
  cmake --build "$build_dir" -j2
fi

# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
wine_prefix_init
xvfb_start

work=$(mktemp -d)
trap 'rm -rf "$work"; xvfb_stop' EXIT
mkdir -p "$out_dir" "$work/english"

cat >"$work/screenshots.rb" <<'RUBY'
# ruby screenshots.rb KVR_GUI_SO PLUGIN_DIR OUT_DIR LANG [DIALOG...]
so, plugin, out_dir, lang, *only = ARGV
require File.join(plugin, "host")
require so
require File.join(plugin, "sorvane")

# name => how the plug-in shows it. One line per dialog.
DIALOGS = {
  "error" => -> { KVRGUI.new.KVRGUIShowError(KVR.tr("Sorvane could not solve the dimensions.")) },
  "error-with-link" => -> { KVRGUI.new.KVRGUIShowErrorWithHlink(KVR.tr("Sorvane could not solve the dimensions.")) },
  "about" => -> { KVRGUI.new.KVRGUIShowAbout },
}.freeze

unknown = only - DIALOGS.keys
abort "unknown dialog(s): #{unknown.join(', ')}; known: #{DIALOGS.keys.join(', ')}" unless unknown.empty?

failed = []
DIALOGS.each do |name, show|
  next unless only.empty? || only.include?(name)
  path = File.join(out_dir, "#{name}-#{lang}.png")
  File.delete(path) if File.exist?(path)
  saved = nil
  KVRGUITest.reset
  KVRGUITest.on_dialog do |d|
    d.screenshot(path)
    saved = d.caption
    d.close
  end
  begin
    show.call
  rescue StandardError => e
    failed << "#{name}: #{e.class}: #{e.message}"
    next
  end
  if saved && File.size?(path)
    puts "docs/screenshots/#{File.basename(path)}  (#{saved})"
  else
    failed << "#{name}: no dialog was shown"
  end
end
KVRGUITest.reset
abort "screenshots failed:\n  #{failed.join("\n  ")}" unless failed.empty?
RUBY

# The demo's host finds kvr.strings in SORVANE_RESOURCE_DIR: the plug-in's own
# folder (French) or an empty one (English).
status=0
for lang in en fr; do
  if [[ $lang == en ]]; then
    resources=$work/english
  else
    resources=$root/demo/plugin
  fi
  SORVANE_RESOURCE_DIR=$(to_wine_path "$resources") wine_ruby \
    "$(to_wine_path "$work/screenshots.rb")" "$(to_wine_path "$build_dir/kvr_gui.so")" \
    "$(to_wine_path "$root/demo/plugin")" "$(to_wine_path "$out_dir")" "$lang" "$@" ||
    status=$?
done
exit "$status"
