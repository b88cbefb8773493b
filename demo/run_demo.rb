# The demo: the module loaded into Ruby with the sample plug-in.
#   ruby demo/run_demo.rb [path/to/kvr_gui.so]
# Set SORVANE_RESOURCE_DIR to a folder without kvr.strings for English.
require_relative "show_dialogs"
plugin = File.join(__dir__, "plugin")
require File.join(plugin, "host")
require File.expand_path(ARGV[0] || File.join(__dir__, "..", "build", "linux", "kvr_gui.so"))
require File.join(plugin, "sorvane")
require File.join(plugin, "options")
require File.join(plugin, "constraints")

strings = File.join(Sketchup::RESOURCE_DIR, "kvr.strings")
puts "kvr_gui loaded; strings file: #{File.file?(strings) ? strings : '(none: English)'}"

# Every text the module shows, as the translation presents it.
keys = File.file?(strings) ? File.read(strings, encoding: "UTF-8").scan(/^"([^"]*)"\s*=/).flatten : []
keys = ["OK", "Cancel", "Sorvane Error"] if keys.empty?
width = keys.map(&:length).max
keys.each { |key| puts "  #{key.ljust(width)}  ->  #{KVR.tr(key)}" }
puts "  a web address comes back unchanged: #{KVR.tr('http://sorvane.example/forum/')}"

if defined?(KVRGUITest)
  puts "The dialogs:"
  DemoDialogs.show_all(File.file?(strings) ? "fr" : "en")
end
