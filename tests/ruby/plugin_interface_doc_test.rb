require_relative "test_helper"
require_relative "support/resource_ids"

# The complete example of docs/plugin-interface.md runs as it is written, in
# an interpreter of its own, and prints what the document says it prints
# when the user does what the document says.
class PluginInterfaceDocTest < Minitest::Test
  include ResourceIds

  DOC = File.expand_path("../../docs/plugin-interface.md", __dir__)
  MAIN = File.expand_path("support/doc_example_main.rb", __dir__)

  # The fenced blocks of the example's section: [language, text].
  def example_blocks
    section = File.read(DOC, encoding: "UTF-8").split(/^## /).find { |s| s.start_with?("A complete example") }
    refute_nil section, "the document has its complete example"
    section.scan(/^```(\w+)\n(.*?)^```$/m)
  end

  def run_example(plugin, use)
    Dir.mktmpdir("kvr-example") do |dir|
      File.write(File.join(dir, "plugin.rb"), plugin)
      File.write(File.join(dir, "use.rb"), use)
      env = { "KVR_GUI_SO" => ModulePath.so, "KVR_EXAMPLE_DIR" => dir,
              "KVR_EXAMPLE_PLUGIN" => File.join(dir, "plugin.rb"), "KVR_EXAMPLE_USE" => File.join(dir, "use.rb") }
      out, err, status = ChildRuby.capture(env, 120, MAIN)
      assert status.success?, "the example failed:\n#{out}\n#{err}"
      out.force_encoding("UTF-8")
    end
  end

  def test_the_example_runs_every_method_and_prints_what_the_document_says
    blocks = example_blocks
    assert_equal %w[ruby ruby text], blocks.map(&:first), "the plug-in, its use, what it prints"
    (plugin, use, printed) = blocks.map(&:last)
    %w[KVRGUIShowError KVRGUIShowErrorWithHlink KVRGUIShowAbout KVRGUIShowOptions KVRGUIShowConstraint
       GetString].each { |method| assert_match(/\.#{method}\b/, use, "the example calls #{method}") }

    lines = run_example(plugin, use).lines(chomp: true)
    dialogs = lines.pop
    assert_equal printed.lines(chomp: true), lines
    templates = [IDD_KVRGUI_ERROR, IDD_KVRGUI_ERROR_HLINK, IDD_KVRGUI_ABOUT, IDD_KVRGUI_OPTIONS] +
                [IDD_KVRGUI_CONSTRAINT] * 3
    assert_equal "KVR-DIALOGS #{templates.join(',')} left=0 unhandled=0 failures=0", dialogs
  end
end
