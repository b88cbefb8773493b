require_relative "test_helper"
require_relative "support/resource_ids"

# The dialogs with a strings file: each text is looked up by its English
# wording; web addresses cannot be translated.
class TranslatedDialogsTest < Minitest::Test
  include ResourceIds

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
    KVRGUITest.on_dialog do |d|
      seen << [d.caption, d.text(#{IDC_ERROR_MESSAGE}), d.text(#{IDOK})]
      d.click(#{IDOK})
    end
    KVRGUI.new.KVRGUIShowError("Cannot solve")
    KVRGUITest.on_dialog { |d| seen << [d.text(#{IDC_ERROR_MESSAGE})]; d.click(#{IDOK}) }
    KVRGUI.new.KVRGUIShowError("OK")
    KVRGUITest.on_dialog do |d|
      d.click(#{IDC_ERROR_HLINK_LINK})
      seen << [d.caption, d.text(#{IDC_ERROR_HLINK_MESSAGE}), d.text(#{IDC_ERROR_HLINK_SENTENCE}),
               d.text(#{IDC_ERROR_HLINK_LINK}), d.text(#{IDOK})]
      d.click(#{IDOK})
    end
    KVRGUI.new.KVRGUIShowErrorWithHlink("Cannot solve")
    KVRGUITest.on_dialog do |d|
      seen << [d.caption, d.text(#{IDC_ABOUT_VERSION}), d.text(#{IDC_ABOUT_BUILD}),
               d.text(#{IDC_ABOUT_HELP_LINK}), d.text(#{IDC_ABOUT_OK})]
      d.click(#{IDC_ABOUT_HELP_LINK})
      d.click(#{IDC_ABOUT_OK})
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
  OPTIONS_TEXTS = {
    caption: "Sorvane Options",
    IDC_OPTIONS_INFERRED_HEADING => "Inferred dimensions:",
    IDC_OPTIONS_INFERRED => "Generate inferred dimensions",
    IDC_OPTIONS_RECTANGLE => "Rectangle",
    IDC_OPTIONS_PUSH_PULL => "Push/Pull",
    IDC_OPTIONS_UPDATE_MODE_HEADING => "Update mode:",
    IDC_OPTIONS_IMMEDIATELY_SOLVE => "Update geometry after editing Sorvane",
    IDC_OPTIONS_AFTER_EDITING_HEADING => "After Geometry Editing:",
    IDC_OPTIONS_DO_NOTHING => "Do nothing",
    IDC_OPTIONS_UPDATE_VALUES => "Update Sorvane values",
    IDC_OPTIONS_UPDATE_GEOMETRY => "Update geometry to satisfy Sorvane",
    IDC_OPTIONS_FULL_TEXT => "Show full Sorvane names",
    IDC_OPTIONS_RESTORE_DEFAULTS => "Restore Defaults",
    IDC_OPTIONS_OK => "OK"
  }.freeze

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
      d.click(#{IDC_OPTIONS_OK})
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
