# Runs in a fresh interpreter: sets up the host from the environment, loads
# the module (which reads the strings file now), evaluates the script given
# in KVR_CHILD_SCRIPT and prints its result, marshalled, as one hex line.
require_relative "fake_sketchup"
require_relative "module_path"
require_relative "gc_stress"

Sketchup.configure_from(ENV)
# What left require other than by returning (an exception's class, or
# "thrown" for a throw to the catch around it) is reported as "load"; the
# script runs all the same, to show what the module had defined by then.
load = "thrown"
catch(:kvr_stop) do
  GCStress.enabled? ? GCStress.around { require ModulePath.so } : require(ModulePath.so)
  load = nil
rescue Exception => e # rubocop:disable Lint/RescueException
  load = e.class.name
end
GCStress.wrap_module_methods if GCStress.enabled? && defined?(KVRGUI_LangHandler)
begin
  result = { "value" => eval(ENV.fetch("KVR_CHILD_SCRIPT")), "pending" => $!.inspect,
             "calls" => Sketchup.calls, "load" => load,
             "native_failures" => defined?(KVRGUITest) ? KVRGUITest.native_failures : 0 }
rescue Exception => e # rubocop:disable Lint/RescueException
  result = { "error" => "#{e.class}: #{e.message}", "load" => load }
end
$stdout.binmode
$stdout.puts "KVR-RESULT " + Marshal.dump(result).unpack1("H*")
