require_relative "test_helper"
require_relative "support/options_helpers"

# The driver's keyboard is a person's: Space on the focused control, Shift+Tab
# and the arrows through the dialog manager; and a dialog that has ended takes
# no more input from its block.
class DriverKeysTest < Minitest::Test
  include OptionsHelpers

  def test_space_shift_tab_and_the_arrows
    plugin = FakeOptions::Plugin.new(autoRecalculateConstraintsValues: true)
    seen = with_options_dialog(plugin) do |d|
      steps = [[:shift_tab], [:down], [:down], [:up], [:shift_tab], [:space], [:space],
               [:tab], [:tab], [:shift_tab], [:shift_tab], [:shift_tab], [:space], [:enter],
               [:tab], [:enter]].map do |key,|
        d.key(key)
        [key, d.focus, plugin.take_log]
      end
      steps
    end
    model = [:autoRecalculateModelEXT=, :options]
    values = [:autoRecalculateConstraintsValuesEXT=, :options]
    assert_equal [
      [:shift_tab, IDC_OPTIONS_UPDATE_VALUES, []], # the group's checked button is its tab stop
      [:down, IDC_OPTIONS_UPDATE_GEOMETRY, [[*model, true], [*values, false]]],
      [:down, IDC_OPTIONS_DO_NOTHING, [[*model, false], [*values, false]]], # round the group
      [:up, IDC_OPTIONS_UPDATE_GEOMETRY, [[*model, true], [*values, false]]],
      [:shift_tab, IDC_OPTIONS_IMMEDIATELY_SOLVE, []],
      [:space, IDC_OPTIONS_IMMEDIATELY_SOLVE, [[:immediatelySolveEXT=, :options, true]]],
      [:space, IDC_OPTIONS_IMMEDIATELY_SOLVE, [[:immediatelySolveEXT=, :options, false]]],
      [:tab, IDC_OPTIONS_UPDATE_GEOMETRY, []],
      [:tab, IDC_OPTIONS_OK, []],
      [:shift_tab, IDC_OPTIONS_UPDATE_GEOMETRY, []],
      [:shift_tab, IDC_OPTIONS_IMMEDIATELY_SOLVE, []],
      [:shift_tab, IDC_OPTIONS_RESTORE_DEFAULTS, []],
      [:space, IDC_OPTIONS_RESTORE_DEFAULTS, [[:setDefaultSettings, :options]] + refresh_reads],
      # A push button reached with the keyboard is the default while focused.
      [:enter, IDC_OPTIONS_RESTORE_DEFAULTS, [[:setDefaultSettings, :options]] + refresh_reads],
      [:tab, IDC_OPTIONS_IMMEDIATELY_SOLVE, []],
      [:enter, nil, []] # OK: the dialog has ended, and the focus left it
    ], seen
  end

  def refresh_reads
    %i[inferredConstraints inferredConstraintsRectangle inferredConstraintsPushPull fullText
       fixationForFaceBySorvaneTool fixationForVertexBySorvaneTool immediatelySolve
       autoRecalculateConstraintsValues autoRecalculateModel].map { |name| [name, :options] }
  end

  # After Esc the window lives on until the modal loop returns, hidden: no
  # input reaches it, and saying so beats running a handler no person could.
  def test_a_dialog_that_has_ended_refuses_input
    plugin = FakeOptions::Plugin.new
    messages, shown = with_options_dialog(plugin) do |d|
      d.key(:escape)
      refused = [-> { d.click(IDC_OPTIONS_FULL_TEXT) }, -> { d.key(:space) }, -> { d.close },
                 -> { d.drag(IDC_OPTIONS_FULL_TEXT, IDC_OPTIONS_FULL_TEXT) }]
      [refused.map { |action| assert_raises(RuntimeError) { action.call }.message },
       d.checked?(IDC_OPTIONS_FULL_TEXT)]
    end
    assert_equal ["the dialog has ended; it takes no more input from its block"] * 4, messages
    assert_equal false, shown, "what the dialog shows can still be read"
    assert_equal [], plugin.log
  end
end
