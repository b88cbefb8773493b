require_relative "test_helper"

# The dialogs with a strings file: each text is looked up by its English
# wording; web addresses cannot be translated.
class TranslatedDialogsTest < Minitest::Test
  STRINGS = <<~STRINGS.freeze
    "OK" = "D'accord";
    "Sorvane Error" = "Erreur de Sorvane";
    "If you think it is a bug, please submit it to" = "Signalez-le sur";
    "www.sorvane.example/Forum" = "Forum de Sorvane";
    "About Sorvane" = "\u00C0 propos de Sorvane";
    "version" = "version\u00A0:";
    "build" = "compilation";
    "Help Page" = "Aide";
    "Cannot solve" = "R\u00E9solution impossible";
  STRINGS

  SCRIPT = <<~RUBY.freeze
    TAVRO_SORVANE_VERSION = "1.1"
    TAVRO_SORVANE_BUILD = 123
    seen = []
    KVRGUITest.on_dialog { |d| seen << [d.caption, d.text(2068), d.text(1)]; d.click(1) }
    KVRGUI.new.KVRGUIShowError("Cannot solve")
    KVRGUITest.on_dialog { |d| seen << [d.text(2068)]; d.click(1) }
    KVRGUI.new.KVRGUIShowError("OK")
    KVRGUITest.on_dialog do |d|
      d.click(2065)
      seen << [d.caption, d.text(2064), d.text(2066), d.text(2065), d.text(1)]
      d.click(1)
    end
    KVRGUI.new.KVRGUIShowErrorWithHlink("Cannot solve")
    KVRGUITest.on_dialog do |d|
      seen << [d.caption, d.text(2007), d.text(2046), d.text(2090), d.text(2050)]
      d.click(2090)
      d.click(2050)
    end
    KVRGUI.new.KVRGUIShowAbout
    seen + [KVRGUITest.shell_opens, [KVRGUITest.unhandled, KVRGUITest.native_failures]]
  RUBY

  def test_dialogs_show_the_translations
    error, ok_message, with_link, about, opened, unhandled =
      ChildRuby.run(SCRIPT, strings: STRINGS)["value"]
    assert_equal ["Erreur de Sorvane", "R\u00E9solution impossible", "D'accord"], error
    assert_equal ["D'accord"], ok_message, "a message that is a key shows its translation"
    assert_equal ["Erreur de Sorvane", "R\u00E9solution impossible", "Signalez-le sur",
                  "Forum de Sorvane", "D'accord"], with_link
    assert_equal ["\u00C0 propos de Sorvane", "version\u00A0: 1.1", "compilation 123", "Aide",
                  "D'accord"], about
    assert_equal ["http://sorvane.example/forum/",
                  "http://sorvane.example/SketchUp/help.php?utm_source=help&utm_medium=software&utm_campaign=SketchUp12"],
                 opened, "addresses are never translated"
    assert_equal [0, 0], unhandled, "dialogs left to the driver, native failures"
  end

  # The options dialog's fourteen texts, each by its English key: the caption
  # and the thirteen controls that show one.
  OPTIONS_TEXTS = { caption: "Sorvane Options", 2093 => "Inferred dimensions:",
                    2023 => "Generate inferred dimensions", 2000 => "Rectangle", 2001 => "Push/Pull",
                    2094 => "Update mode:", 2057 => "Update geometry after editing Sorvane",
                    2095 => "After Geometry Editing:", 2058 => "Do nothing", 2059 => "Update Sorvane values",
                    2060 => "Update geometry to satisfy Sorvane", 2025 => "Show full Sorvane names",
                    2051 => "Restore Defaults", 2091 => "OK" }.freeze

  OPTIONS_SCRIPT = <<~RUBY.freeze
    options = Object.new
    def options.method_missing(*) = false
    def options.respond_to_missing?(*) = true
    data = Object.new
    data.define_singleton_method(:options) { options }
    plugin = Object.new
    plugin.define_singleton_method(:kvrSkpData) { data }
    seen = nil
    KVRGUITest.on_dialog do |d|
      seen = #{OPTIONS_TEXTS.keys.inspect}.map { |id| id == :caption ? d.caption : d.text(id) }
      d.click(2091)
    end
    KVRGUI.new.KVRGUIShowOptions(plugin)
    [seen, KVRGUITest.unhandled]
  RUBY

  def test_the_options_dialog_shows_its_fourteen_translations
    translated = OPTIONS_TEXTS.values.map { |key| "\u00AB#{key}\u00BB" }
    strings = OPTIONS_TEXTS.values.zip(translated).map { |key, text| %("#{key}" = "#{text}";\n) }.join
    seen, unhandled = ChildRuby.run(OPTIONS_SCRIPT, strings: strings)["value"]
    assert_equal translated, seen
    assert_equal 0, unhandled
  end
end
