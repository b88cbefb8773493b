require_relative "test_helper"
require_relative "support/dialog_helpers"

class AboutDialogTest < Minitest::Test
  include DialogHelpers

  HOME = "http://sorvane.example/?utm_source=help&utm_medium=software&utm_campaign=SketchUp12".freeze
  HELP = "http://sorvane.example/SketchUp/help.php?" \
         "utm_source=help&utm_medium=software&utm_campaign=SketchUp12".freeze

  def lines
    read_dialog(:KVRGUIShowAbout) { |d| [d.text(IDC_ABOUT_VERSION), d.text(IDC_ABOUT_BUILD)] }
  end

  def test_what_the_user_sees
    result, seen = drive(:KVRGUIShowAbout) do |d|
      seen = { class: d.class_name, template: d.template_id, caption: d.caption,
               name: d.text(IDC_ABOUT_PRODUCT_NAME), name_font: d.font(IDC_ABOUT_PRODUCT_NAME), version: d.text(IDC_ABOUT_VERSION),
               build: d.text(IDC_ABOUT_BUILD), home: d.text(IDC_ABOUT_HOME_LINK), help: d.text(IDC_ABOUT_HELP_LINK), ok: d.text(IDC_ABOUT_OK),
               copyright: d.text(IDC_ABOUT_COPYRIGHT), focus: d.focus }
      d.click(IDC_ABOUT_OK)
      seen
    end
    assert_nil result
    assert_equal({ class: "KVRGUIAboutDialog", template: 2009, caption: "About Sorvane",
                   name: "Sorvane",
                   name_font: { face: "Arial", height: 30, weight: 2000, italic: false,
                                underline: false, charset: 0 },
                   version: "version 1.1", build: "build 123", home: "www.sorvane.example",
                   help: "Help Page", ok: "OK",
                   copyright: "Copyright \u00A9 2012 Tavro. All rights reserved.", focus: 2050 },
                 seen)
    assert_equal 0, KVRGUITest.unhandled
  end

  def test_every_way_out_returns_nil
    [->(d) { d.click(IDC_ABOUT_OK) }, ->(d) { d.key(:enter) }, ->(d) { d.key(:escape) },
     ->(d) { d.close }].each do |way_out|
      assert_nil drive(:KVRGUIShowAbout) { |d| way_out.call(d) }.first
    end
    assert_equal 0, KVRGUITest.unhandled
  end

  def test_links_open_their_addresses_and_leave_the_box_open
    _, seen = drive(:KVRGUIShowAbout) do |d|
      d.click(IDC_ABOUT_HOME_LINK)
      d.click(IDC_ABOUT_HELP_LINK)
      [KVRGUITest.shell_opens.dup, d.hand_cursor?(IDC_ABOUT_HOME_LINK), d.hand_cursor?(IDC_ABOUT_HELP_LINK),
       d.hand_cursor?(IDC_ABOUT_VERSION), d.caption, d.close]
    end
    assert_equal [[HOME, HELP], true, true, false, "About Sorvane", nil], seen
  end

  def test_version_and_build_are_read_afresh
    with_constant(:TAVRO_SORVANE_BUILD, -2**31) { assert_equal "build -2147483648", lines.last }
    with_constant(:TAVRO_SORVANE_BUILD, -5) do
      with_constant(:TAVRO_SORVANE_VERSION, "2.0 \u03B2") do
        assert_equal ["version 2.0 \u03B2", "build -5"], lines
      end
    end
    assert_equal ["version 1.1", "build 123"], lines
  end

  def test_long_and_odd_versions
    with_constant(:TAVRO_SORVANE_VERSION, "v" * 200) do
      assert_equal "version #{'v' * 127}", lines.first
    end
    with_constant(:TAVRO_SORVANE_VERSION, "#{'v' * 126}\u00E9") do
      assert_equal "version #{'v' * 126}", lines.first, "a character is not cut in half"
    end
    with_constant(:TAVRO_SORVANE_VERSION, 1.5) { assert_equal "version 1.5", lines.first }
    with_constant(:TAVRO_SORVANE_VERSION, "1.1\0hidden") { assert_equal "version 1.1", lines.first }
  end

  def test_missing_or_wrong_constants_reach_the_caller
    [[:TAVRO_SORVANE_BUILD, :undefined, NameError], [:TAVRO_SORVANE_VERSION, :undefined, NameError],
     [:TAVRO_SORVANE_BUILD, "12", TypeError], [:TAVRO_SORVANE_BUILD, nil, TypeError],
     [:TAVRO_SORVANE_BUILD, 2**70, RangeError], [:TAVRO_SORVANE_BUILD, 2**31, RangeError]].each do |name, value, error|
      shown = false
      KVRGUITest.on_dialog { |_d| shown = true }
      with_constant(name, value) do
        assert_raises(error, "#{name} = #{value.inspect}") { KVRGUI.new.KVRGUIShowAbout }
      end
      refute shown, "no About box is shown when #{name} is #{value.inspect}"
      assert_equal 0, KVRGUITest.live_dialogs
      KVRGUITest.reset
    end
  end
end
