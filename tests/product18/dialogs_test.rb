# Every dialog of the product, driven from outside with real input in a real
# Ruby 1.8 interpreter, in English (no strings file), and again under GC
# stress for the entries marked to run everywhere.
$LOAD_PATH.unshift(File.join(File.dirname(__FILE__), 'support'))
require 'dialog_lane'

DialogLane.load_module(nil)

class DialogsTest < Test::Unit::TestCase
  include DialogLane::Runner

  def test_loading_asks_the_host_for_the_strings_file
    assert_equal ['Sketchup.get_resource_path(kvr.strings)', 'Sketchup.is_valid_filename?'],
                 DialogLane.load_calls
    assert DialogLane.translations.empty?
    assert_equal 'Cancel', KVRGUI_LangHandler.new.GetString('Cancel')
  end

  # A dialog the person does not close is closed by the driver and reported
  # as such, so a dialog that ignores its input fails a check rather than
  # hanging the lane.
  def test_the_driver_reports_a_dialog_left_open
    result, report, error = OutsideDriver.run([]) { KVRGUI.new.KVRGUIShowError('left open') }
    assert_equal [nil, nil, true, true], [result, error, report['closed_by_driver'], report['closed']]
    assert_equal 'left open', report['states'].first['state']['controls'][1]['text']
  end

  # A line of a script the driver cannot perform is reported, not skipped in
  # silence; the lines after it still run.
  def test_the_driver_reports_lines_it_cannot_perform
    _, report, = OutsideDriver.run(['key nosuchkey', 'frobnicate now', 'click 9999', 'click 1']) do
      KVRGUI.new.KVRGUIShowError('mistakes')
    end
    assert_equal ['unknown key nosuchkey', 'unknown action frobnicate', 'no control 9999'],
                 report['errors']
    assert_equal [false, nil], [report['closed_by_driver'], report['states'].last['state']]
  end

  DialogLane.define_tests(self, 'english', :all)
  DialogLane.define_tests(self, 'gc_stress', :everywhere, true)
end
