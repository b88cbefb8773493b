# How long each of the module's dialogs takes from the KVRGUI call until it is
# idle and painted, against a plain DialogBoxIndirectParamW of the same
# template (the same controls) in the same process, as a ratio. Meant for the
# Win32 build under Wine (bench/run.sh); it runs on the headless build too.
#   ruby bench/dialog_bench.rb MODULE.so [ROUNDS]
# A new dialog is one more row of DIALOGS: the method, its arguments (made
# afresh for each call) and its template id.

module Sketchup
  def self.get_resource_path(name) = name
  def self.is_valid_filename?(_path) = false # English texts, no file read
end
TAVRO_SORVANE_VERSION = "1.1".freeze
TAVRO_SORVANE_BUILD = 123
# The sample plug-in's constraints and options, for the editor and the options
# dialog.
require_relative "../demo/plugin/constraints"
require_relative "../demo/plugin/options"
ROOF = Object.new

DIALOGS = [
  [:KVRGUIShowError, -> { ["The face could not be moved."] }, 2019],
  [:KVRGUIShowErrorWithHlink, -> { ["The solver failed."] }, 2018],
  [:KVRGUIShowAbout, -> { [] }, 2009],
  [:KVRGUIShowConstraint, lambda {
    edges = [Sketchup::Edge.new([0, 0, 0], [4000, 0, 0], [ROOF]),
             Sketchup::Edge.new([500, 2500, 1200], [3500, 2500, 1400], [ROOF])]
    [[KVR::KVRPreConstraint.new(*edges), "Ridge offset"]]
  }, 2002],
  [:KVRGUIShowOptions, -> { [KVR::Plugin.new] }, 2000]
].freeze

so = ARGV.fetch(0) { abort "usage: ruby dialog_bench.rb MODULE.so [ROUNDS]" }
rounds = Integer(ARGV.fetch(1, "21"))
require File.expand_path(so)

# Seconds from the call until the dialog is idle and painted; the dialog is
# then closed with its close box.
def module_dialog_seconds(method, args)
  settled = nil
  KVRGUITest.on_dialog do |d|
    d.settle
    settled = KVRGUITest.now
    d.close
  end
  start = KVRGUITest.now
  KVRGUI.new.public_send(method, *args)
  abort "#{method}: no dialog was shown" unless settled
  settled - start
end

def median(values) = values.sort[values.size / 2]

# Each round shows the module's dialog and then the plain one; the ratio is
# the median of the rounds' ratios, so that a change of load between rounds
# (other programs on a shared machine) cancels out within each pair.
DIALOGS.each do |method, args, template|
  ours = []
  plain = []
  rounds.times do
    ours << module_dialog_seconds(method, args.call)
    plain << KVRGUITest.plain_dialog_seconds(template)
  end
  abort "#{method}: dialogs left open or failed" unless KVRGUITest.unhandled.zero? && KVRGUITest.native_failures.zero?
  ratios = ours.zip(plain).map { |a, b| a / b }
  printf("dialog: %s template=%d kvrgui_ms=%.2f plain_ms=%.2f kvrgui_over_plain=%.2f\n",
         method, template, median(ours) * 1000, median(plain) * 1000, median(ratios))
end
