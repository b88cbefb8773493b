require_relative "test_helper"
require_relative "support/editor_helpers"
require_relative "support/fake_options"

# Every dialog the catalogue lists, opened in English: each text the catalogue
# names for a control is what that control shows, so the list translators get
# and the keys the dialogs look up cannot drift apart.
class DialogTextsTest < Minitest::Test
  include EditorHelpers

  # How a control shows its key where the key is not the whole text: a label
  # before a number the plug-in defines, the degree sign after an angle.
  SHOWN_AS = {
    [IDD_KVRGUI_ABOUT, IDC_ABOUT_VERSION] => ->(key) { "#{key} #{TAVRO_SORVANE_VERSION}" },
    [IDD_KVRGUI_ABOUT, IDC_ABOUT_BUILD] => ->(key) { "#{key} #{TAVRO_SORVANE_BUILD}" },
    [IDD_KVRGUI_CONSTRAINT, IDC_EDITOR_VALUE] => ->(key) { "#{DEGREES[54]}#{key}" }
  }.freeze

  # The arguments of each opening: the editor once for every constraint type,
  # so that every type name and value label is shown.
  def openings(method)
    case method
    when "KVRGUIShowConstraint" then VALUES.keys.map { |type| [[pre_constraint(type), "Width"]] }
    when "KVRGUIShowOptions" then [[FakeOptions::Plugin.new]]
    when "KVRGUIShowError", "KVRGUIShowErrorWithHlink" then [["Cannot solve"]]
    when "KVRGUIShowAbout" then [[]]
    end
  end

  # What the dialog shows on the controls the catalogue names (0: the
  # caption), and the addresses its links open when clicked.
  def shown(method, args, uses)
    controls = uses.map { |_key, control, _translatable| control }.uniq
    links = uses.reject { |_key, _control, translatable| translatable }.map { |use| use[1] }
    KVRGUITest.reset
    texts = read_dialog(method, *args) do |d|
      links.each { |id| d.click(id) }
      controls.to_h { |id| [id, id.zero? ? d.caption : d.text(id)] }
    end
    [texts, KVRGUITest.shell_opens]
  end

  def test_every_catalogue_entry_shows_on_its_control
    catalogue = KVRGUITest.catalogue
    assert_equal 5, catalogue.size
    catalogue.each do |method, template, uses|
      args = openings(method)
      refute_nil args, "#{method}: the test does not open it"
      seen = args.map { |arguments| shown(method, arguments, uses) }
      uses.each do |key, control, translatable|
        if translatable
          expected = SHOWN_AS.fetch([template, control], ->(k) { k }).call(key)
          assert seen.any? { |texts, _opened| texts[control] == expected },
                 "#{method}: control #{control} never shows #{expected.inspect}: " \
                 "#{seen.map { |texts, _| texts[control] }.uniq.inspect}"
        else
          assert seen.any? { |_texts, opened| opened.include?(key) },
                 "#{method}: link #{control} never opens #{key}"
        end
      end
    end
  end
end
