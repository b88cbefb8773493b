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
end
