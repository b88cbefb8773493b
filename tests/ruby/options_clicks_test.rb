require_relative "test_helper"
require_relative "support/options_helpers"

# Every click is written to the options object at once: which writes, in
# which order, and the check marks they leave.
class OptionsClicksTest < Minitest::Test
  include OptionsHelpers

  def teardown
    assert_equal 0, KVRGUITest.unhandled
    super
  end

  INFERRED_ALL = %i[inferredConstraints inferredConstraintsPushPull
                    inferredConstraintsRectangle].freeze

  def test_the_master_switch_writes_all_three
    # Whatever the sub-options were, master first, then push/pull, then rectangle.
    plugin = FakeOptions::Plugin.new(inferredConstraintsRectangle: true)
    on, off = clicks(plugin, IDC_OPTIONS_INFERRED, IDC_OPTIONS_INFERRED)
    assert_equal [INFERRED_ALL.map { |o| write(o, true) }, [%i[inferred rectangle push_pull], [IDC_OPTIONS_DO_NOTHING]]], on
    assert_equal [INFERRED_ALL.map { |o| write(o, false) }, [[], [IDC_OPTIONS_DO_NOTHING]]], off

    # An opening state the dialog does not reconcile: the master on alone.
    plugin = FakeOptions::Plugin.new(inferredConstraints: true)
    assert_equal [[INFERRED_ALL.map { |o| write(o, false) }, [[], [IDC_OPTIONS_DO_NOTHING]]]],
                 clicks(plugin, IDC_OPTIONS_INFERRED)
  end

  # Each sub-option, with the other one on and off: a sub-option switched on
  # writes the master on (again, if it was on); switched off, it writes the
  # master off only when the other one is off.
  def test_sub_options_keep_the_master_consistent
    [[:inferredConstraintsRectangle, IDC_OPTIONS_RECTANGLE, :rectangle,
      :inferredConstraintsPushPull, :push_pull],
     [:inferredConstraintsPushPull, IDC_OPTIONS_PUSH_PULL, :push_pull,
      :inferredConstraintsRectangle, :rectangle]].each do |option, id, box, other, other_box|
      # The other one off: on, then off again.
      plugin = FakeOptions::Plugin.new
      on, off = clicks(plugin, id, id)
      assert_equal [[write(option, true), write(:inferredConstraints, true)],
                    [[:inferred, box], [IDC_OPTIONS_DO_NOTHING]]], on, option
      assert_equal [[write(option, false), write(:inferredConstraints, false)],
                    [[], [IDC_OPTIONS_DO_NOTHING]]], off, option

      # The other one on: the master stays on and is not written when this one
      # goes off, and is written again when it comes back on.
      plugin = FakeOptions::Plugin.new(inferredConstraints: true, option => true, other => true)
      off, on = clicks(plugin, id, id)
      assert_equal [[write(option, false)], [[:inferred, other_box], [IDC_OPTIONS_DO_NOTHING]]],
                   off, option
      assert_equal [[write(option, true), write(:inferredConstraints, true)],
                    [%i[inferred rectangle push_pull], [IDC_OPTIONS_DO_NOTHING]]], on, option
    end
  end

  # The master follows the mirrors of what was read or written, not what the
  # options object says now.
  def test_the_coupling_consults_what_the_dialog_read
    plugin = FakeOptions::Plugin.new(inferredConstraints: true, inferredConstraintsRectangle: true)
    seen = with_options_dialog(plugin) do |d|
      plugin.values[:inferredConstraintsPushPull] = true
      d.click(IDC_OPTIONS_RECTANGLE)
      [plugin.take_log, marks(d).first, d.click(IDC_OPTIONS_OK)].first(2)
    end
    assert_equal [[write(:inferredConstraintsRectangle, false), write(:inferredConstraints, false)],
                  []], seen
  end

  def test_the_three_way_choice_writes_both_options
    plugin = FakeOptions::Plugin.new(autoRecalculateModel: true,
                                     autoRecalculateConstraintsValues: true)
    steps = clicks(plugin, IDC_OPTIONS_UPDATE_VALUES, IDC_OPTIONS_UPDATE_GEOMETRY,
                   IDC_OPTIONS_DO_NOTHING, IDC_OPTIONS_DO_NOTHING)
    expected = [[false, true, IDC_OPTIONS_UPDATE_VALUES], [true, false, IDC_OPTIONS_UPDATE_GEOMETRY],
                [false, false, IDC_OPTIONS_DO_NOTHING], [false, false, IDC_OPTIONS_DO_NOTHING]]
    assert_equal(expected.map do |model, values, radio|
      [[write(:autoRecalculateModel, model), write(:autoRecalculateConstraintsValues, values)],
       [[], [radio]]]
    end, steps)
    assert_empty plugin.log, "OK writes nothing"
  end

  def test_full_names_and_the_plain_options
    plugin = FakeOptions::Plugin.new
    full_on, full_off, solve_on, solve_off =
      clicks(plugin, IDC_OPTIONS_FULL_TEXT, IDC_OPTIONS_FULL_TEXT,
             IDC_OPTIONS_IMMEDIATELY_SOLVE, IDC_OPTIONS_IMMEDIATELY_SOLVE)
    assert_equal [[write(:fullText, true), [:applyLabelsTextStyle, :plugin]], [[:full_text], [IDC_OPTIONS_DO_NOTHING]]], full_on
    assert_equal [write(:fullText, false), [:applyLabelsTextStyle, :plugin]], full_off.first
    assert_equal [[write(:immediatelySolve, true)], [[:immediately], [IDC_OPTIONS_DO_NOTHING]]], solve_on
    assert_equal [write(:immediatelySolve, false)], solve_off.first
  end

  # Restore Defaults: ten calls, every box and the choice shown afresh, the
  # labels' style left alone until the next click on full names.
  def test_restore_defaults
    defaults = { inferredConstraints: true, inferredConstraintsPushPull: true, fullText: true,
                 fixationForFaceBySorvaneTool: true, autoRecalculateModel: true,
                 autoRecalculateConstraintsValues: true }
    plugin = FakeOptions::Plugin.new(defaults: defaults, immediatelySolve: true,
                                     inferredConstraintsRectangle: true, autoRecalculateModel: true)
    restore, full_text = clicks(plugin, IDC_OPTIONS_RESTORE_DEFAULTS, IDC_OPTIONS_FULL_TEXT)
    assert_equal [[[:setDefaultSettings, :options]] +
                  OptionsDialogTest::OPENING.drop(4) + OptionsDialogTest::OPENING[2, 2],
                  [%i[inferred push_pull full_text face], [IDC_OPTIONS_DO_NOTHING]]], restore
    assert_equal [write(:fullText, false), [:applyLabelsTextStyle, :plugin]], full_text.first
  end

  # The two hidden boxes take no pointer and no key, but a click message sent
  # to them reaches their handlers: each writes its own option, toggling.
  def test_the_hidden_boxes_answer_a_click_message
    plugin = FakeOptions::Plugin.new(fixationForFaceBySorvaneTool: true)
    seen = with_options_dialog(plugin) do |d|
      steps = [IDC_OPTIONS_VERTEX_FIXATION, IDC_OPTIONS_FACE_FIXATION, IDC_OPTIONS_VERTEX_FIXATION].map do |id|
        d.click_message(id)
        [plugin.take_log, marks(d).first]
      end
      d.click(IDC_OPTIONS_OK)
      steps
    end
    assert_equal [[[write(:fixationForVertexBySorvaneTool, true)], %i[vertex face]],
                  [[write(:fixationForFaceBySorvaneTool, false)], %i[vertex]],
                  [[write(:fixationForVertexBySorvaneTool, false)], []]], seen
  end
end
