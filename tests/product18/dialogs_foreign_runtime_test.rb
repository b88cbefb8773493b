# The dialogs' exceptions with MinGW's C++ runtime (libstdc++-6.dll, which
# brings libgcc_s_dw2-1.dll) loaded into the host before the module, as
# another plug-in may bring it: a plug-in method that fails on a click inside
# a dialog's message loop still reaches the caller as a Ruby exception, and
# the dialogs go on working. A host the module kills ends this interpreter,
# which fails the file.
$LOAD_PATH.unshift(File.join(File.dirname(__FILE__), 'support'))
require 'runtime_loader'
require 'dialog_lane'

RUNTIME = File.join(ENV['KVR_LANE_RUNTIME_DIR'] || raise('KVR_LANE_RUNTIME_DIR is not set'),
                    'libstdc++-6.dll')
# LoadLibrary searches the DLL's own folder only for a path with backslashes.
RuntimeLoader.load(RUNTIME.tr('/', '\\'))
DialogLane.load_module(nil)

class DialogsForeignRuntimeTest < Test::Unit::TestCase
  include DialogLane::Runner

  def test_the_shared_runtime_was_loaded_before_the_module
    assert RuntimeLoader.loaded?('libgcc_s_dw2-1.dll')
  end

  DialogLane.define_tests(self, 'libgcc_first', :raising)
end
