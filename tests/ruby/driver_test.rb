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

  def with_gc_stress
    GC.stress = true
    yield
  ensure
    GC.stress = false
  end
end
