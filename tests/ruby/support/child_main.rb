# Runs in a fresh interpreter: sets up the host from the environment, loads
# the module (which reads the strings file now), evaluates the script given
# in KVR_CHILD_SCRIPT and prints its result, marshalled, as one hex line.
require_relative "fake_sketchup"
require_relative "module_path"

Sketchup.configure_from(ENV)
begin
  require ModulePath.so
  result = { "value" => eval(ENV.fetch("KVR_CHILD_SCRIPT")), "pending" => $!.inspect,
             "calls" => Sketchup.calls }
rescue Exception => e # rubocop:disable Lint/RescueException
  result = { "error" => "#{e.class}: #{e.message}" }
end
$stdout.binmode
$stdout.puts "KVR-RESULT " + Marshal.dump(result).unpack1("H*")
