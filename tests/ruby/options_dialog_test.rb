require_relative "test_helper"
require_relative "support/options_helpers"

# The options dialog opened and closed: what it reads, what it shows, the
# keyboard, the hidden boxes, Ruby exceptions and the garbage collector.
class OptionsDialogTest < Minitest::Test
  include OptionsHelpers

  OPENING = [[:kvrSkpData, :plugin], [:options, :data], [:autoRecalculateConstraintsValues, :options],
             [:autoRecalculateModel, :options], [:inferredConstraints, :options],
             [:inferredConstraintsRectangle, :options], [:inferredConstraintsPushPull, :options],
             [:fullText, :options], [:fixationForFaceBySorvaneTool, :options],
             [:fixationForVertexBySorvaneTool, :options], [:immediatelySolve, :options]].freeze

  def test_what_the_user_sees
    seen = with_options_dialog(FakeOptions::Plugin.new) do |d|
      texts = [IDC_OPTIONS_INFERRED_HEADING, IDC_OPTIONS_INFERRED, IDC_OPTIONS_RECTANGLE,
               IDC_OPTIONS_PUSH_PULL, IDC_OPTIONS_UPDATE_MODE_HEADING, IDC_OPTIONS_IMMEDIATELY_SOLVE,
               IDC_OPTIONS_AFTER_EDITING_HEADING, *RADIOS, IDC_OPTIONS_FULL_TEXT,
               IDC_OPTIONS_RESTORE_DEFAULTS, IDC_OPTIONS_OK, IDC_OPTIONS_VERTEX_FIXATION,
               IDC_OPTIONS_FACE_FIXATION].map { |id| d.text(id) }
      seen = [d.class_name, d.template_id, d.caption, d.focus, texts,
              CHECK_BOXES.values.map { |id| d.visible?(id) }]
      d.click(IDC_OPTIONS_OK)
      seen
    end
    assert_equal ["KVRGUIOptionsDialog", IDD_KVRGUI_OPTIONS, "Sorvane Options", IDC_OPTIONS_OK,
                  ["Inferred dimensions:", "Generate inferred dimensions", "Rectangle", "Push/Pull",
                   "Update mode:", "Update geometry after editing Sorvane",
                   "After Geometry Editing:", "Do nothing", "Update Sorvane values",
                   "Update geometry to satisfy Sorvane", "Show full Sorvane names",
                   "Restore Defaults", "OK", "VerFix HIDDEN", "Face Fix HIDDEN"],
                  [true, true, true, true, false, false, true]], seen
    assert_equal 0, KVRGUITest.unhandled
  end

  def test_opening_reads_eleven_options_and_no_way_out_calls_anything
    [->(d) { d.click(IDC_OPTIONS_OK) }, ->(d) { d.key(:enter) }, ->(d) { d.key(:escape) },
     ->(d) { d.close }].each do |way_out|
      plugin = FakeOptions::Plugin.new
      result, = drive(:KVRGUIShowOptions, plugin) do |d|
        assert_equal OPENING, plugin.take_log
        way_out.call(d)
      end
      assert_nil result
      assert_empty plugin.log
    end
    assert_equal 0, KVRGUITest.unhandled
  end

  # The boxes show the options as read: only `true` counts, and a master
  # switch that disagrees with its sub-options is not reconciled.
  def test_the_marks_show_the_options_as_read
    plugin = FakeOptions::Plugin.new(inferredConstraints: true, inferredConstraintsRectangle: 1,
                                     inferredConstraintsPushPull: "true", fullText: Object.new,
                                     immediatelySolve: nil, fixationForVertexBySorvaneTool: true,
                                     fixationForFaceBySorvaneTool: :true)
    seen = with_options_dialog(plugin) { |d| [marks(d), d.close].first }
    assert_equal [%i[inferred vertex], [IDC_OPTIONS_DO_NOTHING]], seen
  end

  def test_two_recalculation_options_make_one_choice
    [[false, false, IDC_OPTIONS_DO_NOTHING], [true, false, IDC_OPTIONS_UPDATE_VALUES],
     [false, true, IDC_OPTIONS_UPDATE_GEOMETRY], [true, true, IDC_OPTIONS_DO_NOTHING],
     [1, "true", IDC_OPTIONS_DO_NOTHING]].each do |values, model, expected|
      plugin = FakeOptions::Plugin.new(autoRecalculateConstraintsValues: values,
                                       autoRecalculateModel: model)
      seen = with_options_dialog(plugin) { |d| [marks(d).last, d.key(:enter)].first }
      assert_equal [expected], seen, "values #{values.inspect}, model #{model.inspect}"
      assert_empty plugin.log, "reading the choice writes nothing back"
    end
  end

  # Tab visits the visible tab stops in template order; the radio group is
  # entered at its checked button; the hidden boxes are never reached, and a
  # click where one lies does not reach it.
  def test_keyboard_and_hidden_boxes
    plugin = FakeOptions::Plugin.new(autoRecalculateModel: true)
    seen = with_options_dialog(plugin) do |d|
      visited = Array.new(8) do
        d.key(:tab)
        d.focus
      end
      d.click(IDC_OPTIONS_VERTEX_FIXATION)
      d.click(IDC_OPTIONS_FACE_FIXATION)
      [visited, d.checked?(IDC_OPTIONS_VERTEX_FIXATION), d.checked?(IDC_OPTIONS_FACE_FIXATION),
       plugin.take_log.map(&:first).grep(/fixation/), d.close].first(4)
    end
    assert_equal [[IDC_OPTIONS_RECTANGLE, IDC_OPTIONS_PUSH_PULL, IDC_OPTIONS_INFERRED,
                   IDC_OPTIONS_FULL_TEXT, IDC_OPTIONS_RESTORE_DEFAULTS,
                   IDC_OPTIONS_IMMEDIATELY_SOLVE, IDC_OPTIONS_UPDATE_GEOMETRY, IDC_OPTIONS_OK],
                  false, false, []], seen
  end

  # A Ruby exception from any call reaches the caller unchanged, once the
  # dialog is closed and destroyed (the helpers' teardown checks that);
  # nothing is called after the call that raised.
  def test_ruby_exceptions_reach_the_caller
    {
      kvrSkpData: nil, options: nil, autoRecalculateModel: nil, fullText: nil,
      immediatelySolve: nil, "inferredConstraintsPushPullEXT=": IDC_OPTIONS_INFERRED,
      applyLabelsTextStyle: IDC_OPTIONS_FULL_TEXT, "autoRecalculateModelEXT=": IDC_OPTIONS_UPDATE_VALUES,
      setDefaultSettings: IDC_OPTIONS_RESTORE_DEFAULTS
    }.each do |failing, click|
      KVRGUITest.reset # a dialog that never opened leaves its block queued
      plugin = FakeOptions::Plugin.new
      plugin.raise_in = failing
      shown = false
      KVRGUITest.on_dialog do |d|
        shown = true
        plugin.take_log
        d.click(click) if click
      end
      error = assert_raises(FakeOptions::Failure, failing) { KVRGUI.new.KVRGUIShowOptions(plugin) }
      assert_same plugin.raised, error
      assert_equal failing, plugin.log.last.first, "no call after the failing #{failing}"
      assert_equal !click.nil?, shown, "a failure while opening shows no dialog (#{failing})"
      assert_equal 0, KVRGUITest.live_dialogs
      assert_equal 0, KVRGUITest.resource_depth
      assert_equal 0, KVRGUITest.unhandled
    end
  end

  def test_a_plugin_object_that_does_not_lead_to_options
    data_without_options = Object.new
    plugin_without_data = Object.new
    plugin = Object.new
    plugin.define_singleton_method(:kvrSkpData) { data_without_options }
    [nil, plugin_without_data, plugin].each do |argument|
      assert_raises(NoMethodError) { KVRGUI.new.KVRGUIShowOptions(argument) }
    end
    # An options object that lacks one reader fails while the dialog opens.
    partial = FakeOptions::Plugin.new
    partial.kvrSkpData.options.singleton_class.send(:undef_method, :immediatelySolve)
    error = assert_raises(NoMethodError) { KVRGUI.new.KVRGUIShowOptions(partial) }
    assert_equal :immediatelySolve, error.name
  end

  # The dialog keeps the options object alive and in place while it is open,
  # also when the plug-in hands out a fresh one that nothing else refers to.
  def test_garbage_collection_inside_the_modal_loop
    plugin = FakeOptions::Plugin.new(fresh_options: true)
    seen = with_options_dialog(plugin) do |d|
      3.times { GC.start(full_mark: true, immediate_sweep: true) }
      GC.compact if GC.respond_to?(:compact)
      alive = plugin.options_made.key?(1)
      plugin.kvrSkpData.options # a second options object, which the dialog must not use
      plugin.take_log
      [IDC_OPTIONS_FULL_TEXT, IDC_OPTIONS_INFERRED, IDC_OPTIONS_UPDATE_GEOMETRY,
       IDC_OPTIONS_RESTORE_DEFAULTS].each { |id| d.click(id) }
      [alive, plugin.take_log.map { |call| call[1] }.uniq, d.click(IDC_OPTIONS_OK)].first(2)
    end
    assert_equal [true, %i[options plugin]], seen
  end
end
