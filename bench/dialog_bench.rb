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

# Seconds from the call until the dialog is idle and painted, as the test
# driver sees it: its block runs once the dialog is shown, paints what is
# pending and reads the clock; the dialog is then closed with its close box.
# Both sides go through this, so both pay the same harness: two clock reads,
# one Ruby method call, the driver's queue, its proxy and this block. What is
# left between them is the module's own work: its method frame and argument
# checks, the dialog object, the texts, data exchange, centring and its
# controls (the plain dialog's procedure does nothing).
def shown_seconds(name)
  settled = nil
  KVRGUITest.on_dialog do |d|
    d.settle
    settled = KVRGUITest.now
    d.close
  end
  start = KVRGUITest.now
  yield
  abort "#{name}: no dialog was shown" unless settled
  settled - start
end

def median(values) = values.sort[values.size / 2]

# The editor and the options dialog call into the plug-in while they open
# (reading the constraint, the options): that is their job, a host pays it
# too, so it stays on the module's side of the ratio. It is measured apart as
# well, in rounds of their own that the ratio does not use: the time the
# sample plug-in's own Ruby code runs while the dialog opens, from the first
# entry into it to the return to the module, summed. TracePoint's own cost
# inside those calls is included, so this is an upper bound.
PLUGIN_CODE = File.expand_path("../demo/plugin", __dir__)

def plugin_seconds(method, arguments)
  total = 0.0
  depth = 0
  entered = nil
  trace = TracePoint.new(:call, :return) do |tp|
    next unless tp.path.start_with?(PLUGIN_CODE)
    if tp.event == :call
      entered = KVRGUITest.now if depth.zero?
      depth += 1
    else
      depth -= 1
      total += KVRGUITest.now - entered if depth.zero?
    end
  end
  shown_seconds(method) { trace.enable { KVRGUI.new.public_send(method, *arguments) } }
  total
end

# Each round shows the module's dialog and then the plain one; the ratio is
# the median of the rounds' ratios, so that a change of load between rounds
# (other programs on a shared machine) cancels out within each pair.
DIALOGS.each do |method, args, template|
  ours = []
  plain = []
  rounds.times do
    arguments = args.call
    ours << shown_seconds(method) { KVRGUI.new.public_send(method, *arguments) }
    plain << shown_seconds(template) { KVRGUITest.plain_dialog(template) }
  end
  abort "#{method}: dialogs left open or failed" unless KVRGUITest.unhandled.zero? && KVRGUITest.native_failures.zero?
  ratios = ours.zip(plain).map { |a, b| a / b }
  reads = Array.new(5) { plugin_seconds(method, args.call) }
  printf("dialog: %s template=%d kvrgui_ms=%.2f plain_ms=%.2f plugin_ms=%.3f kvrgui_over_plain=%.2f\n",
         method, template, median(ours) * 1000, median(plain) * 1000, median(reads) * 1000,
         median(ratios))
end
