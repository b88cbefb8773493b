# Run by foreign_runtime_test.rb in an interpreter of its own, since a DLL
# once loaded stays in the process: loads a MinGW runtime DLL before or after
# the module (or none), then makes the module raise three times: from Ruby
# code that the options dialog calls as it opens (the exception crosses the
# dialog's window procedure as a C++ exception), from inside the module
# (GetString(nil)), and from a message's to_s. Each outcome is reported on a
# line; reaching "alive" means the host survived.
#
# Usage: foreign_runtime_child.rb DLL_PATH|none before|after
$stdout.sync = true
require "runtime_loader"
require "minimal_host"

dll, moment = ARGV
# LoadLibrary searches the DLL's own folder for what it needs only when the
# path is written with backslashes.
dll = dll.tr("/", "\\")
RuntimeLoader.load(dll) if dll != "none" && moment == "before"
require "kvr_gui"
RuntimeLoader.load(dll) if dll != "none" && moment == "after"
puts "libgcc loaded: #{RuntimeLoader.loaded?('libgcc_s_dw2-1.dll')}"

# The update mode is read before the window opens, the first check box as it
# opens (WM_INITDIALOG).
options = Object.new
def options.autoRecalculateConstraintsValues; false; end
def options.autoRecalculateModel; false; end
def options.inferredConstraints; raise RangeError, "inferredConstraints failed"; end
plugin = Struct.new(:kvrSkpData).new(Struct.new(:options).new(options))
begin
  KVRGUI.new.KVRGUIShowOptions(plugin)
  puts "KVRGUIShowOptions: returned"
rescue Exception => e
  puts "KVRGUIShowOptions: #{e.class}: #{e.message}"
end

begin
  KVRGUI_LangHandler.new.GetString(nil)
  puts "GetString(nil): returned"
rescue Exception => e
  puts "GetString(nil): #{e.class}"
end

unprintable = Object.new
def unprintable.to_s
  raise IOError, "to_s failed"
end
begin
  KVRGUI.new.KVRGUIShowError(unprintable)
  puts "KVRGUIShowError: returned"
rescue Exception => e
  puts "KVRGUIShowError: #{e.class}: #{e.message}"
end

puts "alive"
