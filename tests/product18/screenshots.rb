# Pictures of every dialog of the product as Ruby 1.8 on 32-bit Wine shows
# it, with the same content as the 64-bit pictures of scripts/screenshots.sh
# (the sample plug-in's message, version, dimension values and options), so
# that the two sets can be compared pixel for pixel.
#
#   ruby screenshots.rb OUT_DIR LANG [STRINGS_FILE]   writes OUT_DIR/<dialog>-<LANG>.png
$LOAD_PATH.unshift(File.join(File.dirname(__FILE__), 'support'))
require 'fake_plugin'
require 'outside_driver'
require 'resource_ids'
include ResourceIds

OUT_DIR, LANG, STRINGS_FILE = ARGV
Sketchup.resource_dir = STRINGS_FILE ? File.dirname(STRINGS_FILE) : Paths.scratch
$LOAD_PATH.unshift(Paths.module_dir)
require 'kvr_gui'

# The sample plug-in's values: its version, the distance and the angle
# between its two roof edges, the length of the eave, its default options.
Object.send(:remove_const, :TAVRO_SORVANE_VERSION)
TAVRO_SORVANE_VERSION = '1.3'
MESSAGE = 'Sorvane could not solve the dimensions.'
RIDGE = KVR::KVRPreConstraint.new(51, 51 => 2817.8, 54 => 3.81 * Math::PI / 180)
EAVE = KVR::KVRPreConstraint.new(21, 21 => 4000.0)
OPTIONS = %w(inferredConstraints inferredConstraintsRectangle inferredConstraintsPushPull
             immediatelySolve autoRecalculateConstraintsValues)

def shot(name)
  "shot #{Paths.windows(File.join(OUT_DIR, "#{name}-#{LANG}.png"))}"
end

PICTURES = [
  [[shot('error'), "click #{IDOK}"], lambda { |gui| gui.KVRGUIShowError(MESSAGE) }],
  [[shot('error-with-link'), "click #{IDOK}"], lambda { |gui| gui.KVRGUIShowErrorWithHlink(MESSAGE) }],
  [[shot('about'), "click #{IDC_ABOUT_OK}"], lambda { |gui| gui.KVRGUIShowAbout }],
  [[shot('editor-distance'), "click #{IDC_EDITOR_ANGLE}", shot('editor-angle'), "click #{IDCANCEL}"],
   lambda { |gui| gui.KVRGUIShowConstraint([RIDGE, 'Ridge offset']) }],
  [[shot('editor-fixed'), "click #{IDCANCEL}"], lambda { |gui| gui.KVRGUIShowConstraint([EAVE, 'Eave']) }],
  [[shot('options'), "click #{IDC_OPTIONS_OK}"], lambda do |gui|
    values = {}
    OPTIONS.each { |name| values[name] = true }
    gui.KVRGUIShowOptions(KVR::Plugin.new(values))
  end]
]

failed = false
PICTURES.each do |script, call|
  _, report = OutsideDriver.run(script) { call.call(KVRGUI.new) }
  next if report['errors'].empty? && !report['closed_by_driver']
  warn "#{script.first}: #{report['errors'].join('; ')}"
  failed = true
end
exit(failed ? 1 : 0)
