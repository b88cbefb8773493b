require_relative "test_helper"
require_relative "support/resource_ids"

# The driver's measure of each control's text, which the translators' preview
# reports from (Win32 only): an overlong translation shows as the control it
# is on, with the room it needs against the room the control has.
class TextFitTest < Minitest::Test
  include ResourceIds

  SCRIPT = <<~RUBY.freeze
    require #{File.expand_path("support/fake_options", __dir__).inspect}
    fits = nil
    KVRGUITest.on_dialog { |d| fits = d.text_fits; d.click(#{IDC_OPTIONS_OK}) }
    KVRGUI.new.KVRGUIShowOptions(FakeOptions::Plugin.new)
    [fits.to_h { |f| [f["id"], f] }, KVRGUITest.unhandled]
  RUBY

  def test_an_overlong_translation_is_measured_against_its_control
    skip "the headless window system draws no text" unless KVRGUITest::Dialog.method_defined?(:text_fits)
    english, = ChildRuby.run(SCRIPT)["value"]
    strings = %("Rectangle" = "#{(['Rectangle'] * 8).join(' ')}";\n) +
              %("Update geometry after editing Sorvane" = "#{(['Mettre à jour'] * 8).join(' ')}";\n)
    long, unhandled = ChildRuby.run(SCRIPT, strings: strings)["value"]
    assert_equal 0, unhandled

    # One line: the check box's width less its check mark.
    en, tr = english.fetch(IDC_OPTIONS_RECTANGLE), long.fetch(IDC_OPTIONS_RECTANGLE)
    assert_equal %w[Button width width], [tr["class"], en["measure"], tr["measure"]]
    assert_operator en["needed"], :<=, en["available"]
    assert_equal en["available"], tr["available"]
    assert_in_delta 8 * en["needed"], tr["needed"], en["needed"] # eight words and their spaces
    assert_operator tr["needed"], :>, tr["available"]

    # The two-line check box wraps: its height counts.
    en, tr = english.fetch(IDC_OPTIONS_IMMEDIATELY_SOLVE), long.fetch(IDC_OPTIONS_IMMEDIATELY_SOLVE)
    assert_equal %w[height height], [en["measure"], tr["measure"]]
    assert_operator en["needed"], :<=, en["available"]
    assert_operator tr["needed"], :>, tr["available"]
    assert_operator tr["needed"], :>=, 2 * en["needed"] # wrapped onto more lines

    # The rest fits in both, and the hidden boxes are not measured.
    assert_operator long.fetch(IDC_OPTIONS_OK)["needed"], :<=, long.fetch(IDC_OPTIONS_OK)["available"]
    refute long.key?(IDC_OPTIONS_VERTEX_FIXATION)
  end
end
