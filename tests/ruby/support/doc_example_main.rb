# Runs the example plug-in of docs/plugin-interface.md in a fresh interpreter,
# as a plug-in author would, with the test driver acting as the user the
# document describes. KVR_EXAMPLE_PLUGIN and KVR_EXAMPLE_USE are the files of
# its two Ruby blocks; the module is found through $LOAD_PATH by its name.
# Prints the example's own output, then one line "KVR-DIALOGS" with what the
# driver saw: the template of every dialog, in order, and its counters.
require_relative "resource_ids"

include ResourceIds # rubocop:disable Style/MixinUsage

$LOAD_PATH.unshift(File.dirname(ENV.fetch("KVR_GUI_SO")))
Dir.chdir(ENV.fetch("KVR_EXAMPLE_DIR"))
eval(File.read(ENV.fetch("KVR_EXAMPLE_PLUGIN")), TOPLEVEL_BINDING, "plugin block")

seen = []
answer = lambda do |&act|
  KVRGUITest.on_dialog do |d|
    seen << d.template_id
    act.call(d)
  end
end
answer.call { |d| d.click(IDOK) }
answer.call { |d| d.click(IDOK) }
answer.call { |d| d.click(IDC_ABOUT_OK) }
answer.call do |d|
  d.click(IDC_OPTIONS_FULL_TEXT)
  d.click(IDC_OPTIONS_OK)
end
answer.call do |d|
  d.click(IDC_EDITOR_ANGLE)
  d.click(IDOK)
end
answer.call do |d|
  d.type(IDC_EDITOR_VALUE, "120")
  d.click(IDOK)
end
answer.call { |d| d.click(IDCANCEL) }

eval(File.read(ENV.fetch("KVR_EXAMPLE_USE")), TOPLEVEL_BINDING, "use block")
$stdout.puts "KVR-DIALOGS #{seen.join(',')} left=#{KVRGUITest.queued_blocks.size} " \
             "unhandled=#{KVRGUITest.unhandled} failures=#{KVRGUITest.native_failures}"
