require_relative "test_helper"
require_relative "support/dialog_helpers"

class ErrorDialogTest < Minitest::Test
  include DialogHelpers

  MESSAGE_FONT = { face: "MS Shell Dlg", height: 15, weight: 100, italic: false,
                   underline: false, charset: 0 }.freeze

  def test_what_the_user_sees
    result, seen = drive(:KVRGUIShowError, "The face could not be moved.") do |d|
      seen = [d.class_name, d.template_id, d.caption, d.text(IDC_ERROR_MESSAGE), d.text(IDOK),
              d.font(IDC_ERROR_MESSAGE), d.font(IDOK), d.focus]
      d.click(IDOK)
      seen
    end
    assert_nil result
    assert_equal ["KVRGUIErrorDialog", 2019, "Sorvane Error", "The face could not be moved.", "OK",
                  MESSAGE_FONT, nil, 1], seen
    assert_equal 0, KVRGUITest.unhandled
  end

  def test_every_way_out_returns_nil
    [->(d) { d.click(IDOK) }, ->(d) { d.key(:enter) }, ->(d) { d.key(:escape) },
     ->(d) { d.close }].each do |way_out|
      result, = drive(:KVRGUIShowError, "message") { |d| way_out.call(d) }
      assert_nil result
    end
    assert_equal 0, KVRGUITest.unhandled, "each way out closed the dialog"
  end

  def test_message_rules
    {
      "" => "",
      "before\0after" => "before",
      "Gr\u00F6\u00DFe \u65E5\u672C \u{1F600}" => "Gr\u00F6\u00DFe \u65E5\u672C \u{1F600}",
      "line one\nline two" => "line one\nline two",
      "x" * 3000 => "x" * 3000
    }.each do |message, shown|
      text = read_dialog(:KVRGUIShowError, message) { |d| d.text(IDC_ERROR_MESSAGE) }
      assert_equal shown, text, "message #{message[0, 20].inspect}"
    end
  end

  def test_messages_that_are_not_strings_show_their_to_s
    number = read_dialog(:KVRGUIShowError, 42) { |d| d.text(IDC_ERROR_MESSAGE) }
    assert_equal "42", number
    error = read_dialog(:KVRGUIShowError, ArgumentError.new("bad edge")) { |d| d.text(IDC_ERROR_MESSAGE) }
    assert_equal "bad edge", error
    nothing = read_dialog(:KVRGUIShowError, nil) { |d| d.text(IDC_ERROR_MESSAGE) }
    assert_equal "", nothing
  end

  def test_an_exception_of_to_s_reaches_the_caller_and_nothing_is_shown
    bad = Object.new
    def bad.to_s
      raise IOError, "to_s failed"
    end
    shown = false
    KVRGUITest.on_dialog { |_d| shown = true }
    error = assert_raises(IOError) { KVRGUI.new.KVRGUIShowError(bad) }
    assert_equal "to_s failed", error.message
    refute shown
  end

  def test_an_exception_inside_the_modal_loop_reaches_the_caller_unchanged
    marker = RuntimeError.new("raised while the dialog was open")
    KVRGUITest.on_dialog { |_d| raise marker }
    raised = assert_raises(RuntimeError) { KVRGUI.new.KVRGUIShowError("message") }
    assert_same marker, raised
  end

  def test_two_calls_build_fresh_dialogs
    first = read_dialog(:KVRGUIShowError, "first message, rather long") { |d| d.text(IDC_ERROR_MESSAGE) }
    second = read_dialog(:KVRGUIShowError, "second") { |d| d.text(IDC_ERROR_MESSAGE) }
    assert_equal ["first message, rather long", "second"], [first, second]
  end

  # The Win32 window system saves what the screen shows; the headless one has
  # no screen and says so.
  def test_screenshot_of_the_dialog
    Dir.mktmpdir do |dir|
      path = File.join(dir, "error.png")
      _, outcome = drive(:KVRGUIShowError, "message") do |d|
        d.screenshot(path)
        :saved
      rescue RuntimeError => e
        e.message
      ensure
        d.click(IDOK)
      end
      if Gem.win_platform?
        assert_equal :saved, outcome
        png = File.binread(path)
        assert_equal "\x89PNG\r\n\x1A\n".b, png[0, 8]
        width, height = png[16, 8].unpack("NN")
        assert_operator width, :>, height, "the 195 x 74 dialog is wider than tall"
      else
        assert_match(/no screenshot/, outcome)
      end
    end
  end

  def test_an_abandoned_dialog_is_closed_and_counted
    assert_nil open_and_abandon(:KVRGUIShowError, "nobody reads this")
    assert_equal 1, KVRGUITest.unhandled
  end
end

class ErrorDialogWithLinkTest < Minitest::Test
  include DialogHelpers

  FORUM = "http://sorvane.example/forum/".freeze
  LINK_FONT = { face: "MS Shell Dlg", height: 12, weight: 100, italic: false,
                underline: true, charset: 0 }.freeze

  def test_what_the_user_sees
    result, seen = drive(:KVRGUIShowErrorWithHlink, "Solver failed.") do |d|
      seen = { class: d.class_name, template: d.template_id, caption: d.caption,
               message: d.text(IDC_ERROR_HLINK_MESSAGE), sentence: d.text(IDC_ERROR_HLINK_SENTENCE), link: d.text(IDC_ERROR_HLINK_LINK),
               separator: d.text(IDC_SEPARATOR), ok: d.text(IDOK), link_font: d.font(IDC_ERROR_HLINK_LINK),
               message_font: d.font(IDC_ERROR_HLINK_MESSAGE), focus: d.focus }
      d.click(IDOK)
      seen
    end
    assert_nil result
    assert_equal({ class: "KVRGUIErrorDialogWithHLink", template: 2018, caption: "Sorvane Error",
                   message: "Solver failed.",
                   sentence: "If you think it is a bug, please submit it to",
                   link: "www.sorvane.example/Forum", separator: "_" * 51, ok: "OK",
                   link_font: LINK_FONT, message_font: ErrorDialogTest::MESSAGE_FONT, focus: 1 },
                 seen)
  end

  def test_the_link_opens_the_forum_and_leaves_the_dialog_open
    _, seen = drive(:KVRGUIShowErrorWithHlink, "m") do |d|
      d.click(IDC_ERROR_HLINK_LINK)
      d.click(IDC_ERROR_HLINK_LINK)
      opened = KVRGUITest.shell_opens.dup
      [opened, d.caption, d.click(IDOK)]
    end
    assert_equal [[FORUM, FORUM], "Sorvane Error", nil], seen
  end

  def test_only_a_release_over_the_link_opens_it
    _, seen = drive(:KVRGUIShowErrorWithHlink, "m") do |d|
      d.drag(IDC_ERROR_HLINK_LINK, IDC_ERROR_HLINK_SENTENCE)
      pressed_on_link = KVRGUITest.shell_opens.dup
      d.drag(IDC_ERROR_HLINK_SENTENCE, IDC_ERROR_HLINK_LINK)
      [pressed_on_link, KVRGUITest.shell_opens.dup, d.close]
    end
    assert_equal [[], [FORUM], nil], seen
  end

  def test_the_hand_cursor_shows_over_the_link_only
    seen = read_dialog(:KVRGUIShowErrorWithHlink, "m") do |d|
      [d.hand_cursor?(IDC_ERROR_HLINK_LINK), d.hand_cursor?(IDC_ERROR_HLINK_MESSAGE), d.hand_cursor?(IDC_ERROR_HLINK_SENTENCE), d.hand_cursor?(IDOK)]
    end
    assert_equal [true, false, false, false], seen
  end
end
