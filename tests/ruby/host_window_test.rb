require_relative "test_helper"
require_relative "support/editor_helpers"
require_relative "support/fake_options"

# The dialogs over the host's main window, as the user sees them on Windows:
# each is owned by the window that was active when the plug-in called, which
# stays disabled while the dialog runs and is enabled and active again after
# it; a template that leaves the position to the framework is centred over it.
class HostWindowTest < Minitest::Test
  include EditorHelpers

  HOST = [40, 30, 600, 420].freeze # off the screen's centre

  def setup
    skip "the headless window system has no host window" unless KVRGUITest.respond_to?(:show_host_window)
    super
    KVRGUITest.show_host_window(HOST)
  end

  def teardown
    return unless KVRGUITest.respond_to?(:show_host_window)

    KVRGUITest.close_host_window
    super
  end

  def centre(left, top, right, bottom)
    [(left + right) / 2, (top + bottom) / 2]
  end

  def test_every_dialog_is_owned_by_the_active_window
    [[:KVRGUIShowOptions, [FakeOptions::Plugin.new], false],
     [:KVRGUIShowAbout, [], false],
     [:KVRGUIShowErrorWithHlink, ["The solver failed."], false],
     [:KVRGUIShowError, ["The face could not be moved."], true],
     [:KVRGUIShowConstraint, [[pre_constraint(51), "Width"]], true]].each do |method, args, over_host|
      KVRGUITest.show_host_window(HOST)
      seen = read_dialog(method, *args) do |d|
        [d.owned_by_host?, KVRGUITest.host_window[:enabled], centre(*d.window_rect)]
      end
      owned, enabled_while_open, dialog_centre = seen
      assert owned, "#{method}: owned by the host window"
      refute enabled_while_open, "#{method}: the host window is disabled while the dialog runs"
      assert_equal({ enabled: true, active: true }, KVRGUITest.host_window.slice(:enabled, :active),
                   "#{method}: the host window is given back")
      next unless over_host

      host_centre = centre(*KVRGUITest.host_window[:rect])
      assert_in_delta host_centre[0], dialog_centre[0], 1, "#{method}: centred across the host"
      assert_in_delta host_centre[1], dialog_centre[1], 1, "#{method}: centred down the host"
    end
  end
end
