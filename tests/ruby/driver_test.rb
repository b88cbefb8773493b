require_relative "test_helper"
require_relative "support/dialog_helpers"

# The driver's own guarantees: what it hands back survives the garbage
# collector, and what it counts is counted.
class DriverTest < Minitest::Test
  include DialogHelpers

  def test_recorded_launches_survive_a_collection_while_they_are_built
    drive(:KVRGUIShowAbout) do |d|
      3.times { d.click(IDC_ABOUT_HOME_LINK) }
      d.click(IDC_ABOUT_HELP_LINK)
      d.close
    end
    opens = with_gc_stress { KVRGUITest.shell_opens }
    assert_equal [String] * 4, opens.map(&:class)
    assert_equal 3, opens.count { |a| a.start_with?("http://sorvane.example/?") }
  end

  # A native failure looks like Cancel to the caller (nil); the driver counts
  # it, so that teardown can tell the two apart.
  def test_a_swallowed_native_failure_is_counted
    assert_nil KVRGUITest.fail_natively
    assert_nil KVRGUITest.fail_natively
    assert_equal 2, KVRGUITest.native_failures
    KVRGUITest.reset
    assert_equal 0, KVRGUITest.native_failures
  end

  # The benchmark's plain dialog: the template's own controls and texts, the
  # queued block run on it as on one of the module's dialogs, and the block's
  # failure raised from the call.
  def test_a_plain_dialog_runs_the_queued_block_on_its_template
    seen = nil
    KVRGUITest.on_dialog { |d| seen = [d.caption, d.text(IDC_ERROR_MESSAGE), d.visible?(1)] }
    assert_equal true, KVRGUITest.plain_dialog(IDD_KVRGUI_ERROR)
    assert_equal ["Sorvane Error", "message", true], seen
    assert_nil KVRGUITest.plain_dialog(1)
    assert_nil KVRGUITest.plain_dialog(0x10000)
    KVRGUITest.on_dialog { |d| d.close }
    assert_equal true, KVRGUITest.plain_dialog(IDD_KVRGUI_ERROR_HLINK), "the close box ends it"
    KVRGUITest.on_dialog { |_| raise IOError, "from the block" }
    assert_raises(IOError) { KVRGUITest.plain_dialog(IDD_KVRGUI_ERROR) }
    assert_equal 0, KVRGUITest.live_dialogs
  end

  def with_gc_stress
    GC.stress = true
    yield
  ensure
    GC.stress = false
  end
end
