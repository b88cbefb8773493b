# Renders every dialog of the module with the strings file the host finds
# (SORVANE_RESOURCE_DIR), through the test driver of a Win32 build: one PNG
# per dialog and, for each control with a text, whether the text fits.
#   ruby render.rb KVR_GUI_SO OUT_DIR LANG    writes OUT_DIR/<dialog>-<lang>.png
#                                             and OUT_DIR/measures-<lang>.json
require "json"
plugin = File.expand_path("../../demo/plugin", __dir__)
require File.join(plugin, "host")
require File.expand_path(ARGV.fetch(0))
require File.join(plugin, "sorvane")
require File.join(plugin, "options")
require File.join(plugin, "constraints")
require File.expand_path("../../tests/ruby/support/resource_ids", __dir__)
include ResourceIds # rubocop:disable Style/MixinUsage

out_dir, lang = ARGV.fetch(1), ARGV.fetch(2)
message = "Sorvane could not solve the dimensions."
roof = Object.new
eave = Sketchup::Edge.new([0, 0, 0], [4000, 0, 0], [roof])
ridge = Sketchup::Edge.new([500, 2500, 1200], [3500, 2500, 1400], [roof])
distance = -> { KVR::KVRPreConstraint.new(eave, ridge) }

# Each dialog: its name, the call that shows it, what to click before the
# picture, and the button that closes it.
dialogs = [
  ["error", -> { KVRGUI.new.KVRGUIShowError(message) }, nil, IDOK],
  ["error-with-link", -> { KVRGUI.new.KVRGUIShowErrorWithHlink(message) }, nil, IDOK],
  ["about", -> { KVRGUI.new.KVRGUIShowAbout }, nil, IDC_ABOUT_OK],
  ["editor-fixed", -> { KVRGUI.new.KVRGUIShowConstraint([KVR::KVRPreConstraint.new(eave, nil, 21), "Eave"]) }, nil, IDCANCEL],
  ["editor-distance", -> { KVRGUI.new.KVRGUIShowConstraint([distance.call, "Ridge offset"]) }, nil, IDCANCEL],
  ["editor-angle", -> { KVRGUI.new.KVRGUIShowConstraint([distance.call, "Ridge offset"]) }, IDC_EDITOR_ANGLE, IDCANCEL],
  ["options", -> { KVRGUI.new.KVRGUIShowOptions(KVR::Plugin.new) }, nil, IDC_OPTIONS_OK]
]

measures = {}
dialogs.each do |name, show, click, close|
  KVRGUITest.on_dialog do |d|
    d.click(click) if click
    png = "#{name}-#{lang}.png"
    d.screenshot(File.join(out_dir, png))
    measures[name] = { "caption" => d.caption, "png" => png, "fits" => d.text_fits }
    d.click(close)
  end
  show.call
end
raise "#{KVRGUITest.unhandled} dialogs were left open" unless KVRGUITest.unhandled.zero?

File.write(File.join(out_dir, "measures-#{lang}.json"), JSON.pretty_generate(measures))
