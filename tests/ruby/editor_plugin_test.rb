require_relative "test_helper"
require_relative "support/editor_helpers"

# What the dimension editor asks of the plug-in and the host, and what it
# makes of their answers.
class EditorPluginTest < Minitest::Test
  include EditorHelpers

  PRE = KVR::KVRPreConstraint
  EDGE = Sketchup::Edge

  def measures(*types)
    types.to_h { |type| [type, KVR::Measure.new(VALUES[type])] }
  end

  # The result of editing and whether a dialog was shown (and confirmed).
  def opened?(constraint, name = "Width")
    shown = false
    KVRGUITest.on_dialog do |d|
      shown = true
      d.click(IDOK)
    end
    [KVRGUI.new.KVRGUIShowConstraint([constraint, name]), shown]
  ensure
    KVRGUITest.queued_blocks.clear
  end

  def test_the_calls_for_a_distance_between_edges_of_one_face
    result, = edit(pre_constraint(51, values: measures(51, 54))) do |d|
      d.click(IDC_EDITOR_ANGLE)
      d.click(IDOK)
    end
    assert_equal ["45.0\u00B0", "Width", 54], result
    assert_equal [["c", :kind_of?, [PRE]], ["e1", :kind_of?, [EDGE]], ["e2", :kind_of?, [EDGE]],
                  ["e1", :common_face, ["e2"]], ["c", :currentValue, [51]],
                  ["measure 12.5", :to_s, []],
                  ["c", :currentValue, [54]], ["KVR", :roundAngleRAD2DEG, ["measure #{Math::PI / 4}"]],
                  ["measure 45.0", :to_s, []]], KVR.calls
  end

  def test_the_type_of_a_pre_constraint_without_type_comes_from_its_entities
    e1, e2 = edges
    with_entities = PRE.new("c", derived_type: 55, entity1: e1, entity2: e2, values: measures(55))
    assert_equal ["60.0\u00B0", "Width", 55], opened?(with_entities).first
    assert_equal [["c", :kind_of?, [PRE]], ["c", :getConstraintType, %w[e1 e2]],
                  ["e1", :kind_of?, [EDGE]], ["e2", :kind_of?, [EDGE]], ["e1", :common_face, ["e2"]],
                  ["c", :currentValue, [55]], ["KVR", :roundAngleRAD2DEG, ["measure #{Math::PI / 3}"]],
                  ["measure 60.0", :to_s, []]], KVR.calls
    KVR.calls.clear
    unset = PRE.new("c", derived_type: 21, values: measures(21), type: nil)
    assert_equal ["100", "Width", 21], opened?(unset).first
    assert_equal [["c", :kind_of?, [PRE]], ["c", :getConstraintType, [nil, nil]],
                  ["c", :currentValue, [21]], ["measure 100", :to_s, []]], KVR.calls
  end

  # Also when kind_of? answers a true value other than `true`: the type is
  # the constraint's own, the choice shows its kind and cannot be changed.
  def test_other_constraints_answer_type_and_currentValue_without_arguments
    [[false, 51, [true, false], "12.5"], [1, 55, [false, true], "60.0\u00B0"],
     ["yes", 21, [false, false], "100"]].each do |answer, type, checked, value|
      constraint = KVR::KVRConstraint.new("c", type: type, values: VALUES[type], kind_answer: answer,
                                               entity1: Sketchup::Entity.new("v"), entity2: nil)
      result, seen = edit(constraint) do |d|
        d.click(IDC_EDITOR_DISTANCE)
        d.click(IDC_EDITOR_ANGLE)
        state = editor_state(d).values_at(:checked, :enabled, :value)
        d.click(IDOK)
        state
      end
      assert_equal [[checked, [false, false], value], [value, "Width", type]], [seen, result]
      calls = [["c", :kind_of?, [PRE]], ["c", :type, []], ["c", :currentValue, []]]
      calls << ["KVR", :roundAngleRAD2DEG, [VALUES[type]]] if type == 55
      assert_equal calls, KVR.calls, answer.inspect
      KVR.calls.clear
    end
  end

  def test_edges_need_a_common_face_for_a_planar_angle
    vertex = Sketchup::Entity.new("v")
    [[*edges(shared: false), true], [edges.first, vertex, true], [vertex, edges.first, true],
     [edges.first, nil, false], [nil, edges.first, false]].each do |e1, e2, asked|
      constraint = PRE.new("c", type: 51, entity1: e1, entity2: e2, values: VALUES)
      result, = edit(constraint) do |d|
        d.click(IDC_EDITOR_ANGLE)
        d.click(IDOK)
      end
      assert_equal ["60.0\u00B0", "Width", 55], result
      kinds = KVR.calls.select { |call| call[1] == :kind_of? && call[2] == [EDGE] }.map(&:first)
      assert_equal asked ? [KVR.label_of(e1), KVR.label_of(e2)] : [], kinds
      assert_equal asked && [e1, e2].all?(EDGE), KVR.calls.any? { |call| call[1] == :common_face }
      KVR.calls.clear
    end
  end

  def test_types_outside_the_table_show_nothing
    [0, 23, 50, 61, -51, -21, 2**31 - 1, -2**31].each do |type|
      assert_equal [nil, false], opened?(pre_constraint(type)), "type #{type}"
      assert_equal [:kind_of?, :kind_of?, :kind_of?, :common_face], KVR.calls.map { |c| c[1] }
      KVR.calls.clear
    end
    assert_equal ["51", "Width", 51], opened?(pre_constraint(51.9, values: { 51 => 51 })).first,
                 "a type that is not an Integer is converted as the interpreter converts it"
  end

  def test_wrong_arguments_are_refused_before_the_plugin_is_asked
    constraint = pre_constraint(51)
    [[nil, TypeError], ["c", TypeError], [{ 0 => constraint, 1 => "Width" }, TypeError],
     [[], ArgumentError], [[constraint], ArgumentError], [[constraint, nil], TypeError],
     [[constraint, :Width], TypeError], [[constraint, 5], TypeError]].each do |argument, error|
      shown = false
      KVRGUITest.on_dialog { |_d| shown = true }
      raised = assert_raises(error) { KVRGUI.new.KVRGUIShowConstraint(argument) }
      assert_match(/Array|String/, raised.message)
      assert_equal [false, []], [shown, KVR.calls], argument.inspect
      KVRGUITest.reset
    end
    assert_equal ["12.5", "Width", 51], opened?(constraint, "Width").first
    result, = drive(:KVRGUIShowConstraint, [constraint, "Width", :extra]) { |d| d.click(IDOK) }
    assert_equal ["12.5", "Width", 51], result, "elements after the name are not looked at"
  end

  def test_numbers_beyond_32_bits_and_non_numbers_are_refused
    [[2**31, RangeError], [-2**31 - 1, RangeError], [2**64, RangeError], ["51", TypeError],
     [nil, TypeError]].each do |type, error|
      constraint = PRE.new("c", derived_type: type, values: VALUES, type: nil)
      assert_raises(error, type.inspect) { opened?(constraint) }
      other = KVR::KVRConstraint.new("c", type: type, values: 1)
      assert_raises(error, type.inspect) { opened?(other) }
    end
  end

  def test_a_plugin_exception_reaches_the_caller_unchanged
    e1, e2 = edges
    length = KVR::Measure.new(3)
    angle = PRE.new("c", type: 55, entity1: e1, entity2: e2, values: measures(55))
    fixed = PRE.new("c", type: 21, values: { 21 => length })
    # [what raises (:itself, the constraint), in which method, the constraint]
    [[:itself, :kind_of?, angle], [:itself, :currentValue, angle], [e1, :kind_of?, angle],
     [e2, :kind_of?, angle], [e1, :common_face, angle], [KVR, :roundAngleRAD2DEG, angle],
     [length, :to_s, fixed], [:itself, :getConstraintType, PRE.new("c", derived_type: 21, values: 1)],
     [:itself, :type, KVR::KVRConstraint.new("c", type: 21, values: 1)]].each do |failing, method, constraint|
      failing = constraint if failing == :itself
      failing.raise_in = method
      raised = assert_raises(KVR::PluginFailure) { opened?(constraint) }
      assert_same KVR.last_failure, raised, "#{KVR.label_of(failing)}.#{method}"
      assert_equal 0, KVRGUITest.live_dialogs
      failing.raise_in = nil
    end

    constraint = pre_constraint(51)
    [-> { constraint.raise_in = :currentValue }, -> { KVR.raise_in = :roundAngleRAD2DEG }].each do |fail|
      KVRGUITest.on_dialog do |d|
        fail.call
        d.click(IDC_EDITOR_ANGLE)
      end
      raised = assert_raises(KVR::PluginFailure) { KVRGUI.new.KVRGUIShowConstraint([constraint, "W"]) }
      assert_same KVR.last_failure, raised
      constraint.raise_in = KVR.raise_in = nil
    end
    assert_equal [0, 0, 0], [KVRGUITest.live_dialogs, KVRGUITest.resource_depth, KVRGUITest.unhandled]
  end

  def test_values_without_text_show_nothing_or_keep_the_old_text
    odd = Object.new
    def odd.to_s
      42
    end
    assert_equal [nil, false], opened?(pre_constraint(51, values: { 51 => odd }))
    result, = edit(pre_constraint(54, values: { 54 => Math::PI / 4, 51 => odd })) do |d|
      d.click(IDC_EDITOR_DISTANCE)
      d.click(IDOK)
    end
    assert_equal ["45.0\u00B0", "Width", 51], result, "a to_s without text leaves the text in the box"
  end

  # The plug-in's own code may drop the constraint while the editor is open:
  # the editor keeps it alive until it is closed.
  def test_the_constraint_outlives_the_plugins_references
    argument = ["constraint", "Width"]
    collected = []
    argument[0] = PRE.new("c", type: 51, values: VALUES, on_value: -> { argument.clear })
    ObjectSpace.define_finalizer(argument[0], ->(_id) { collected << true })
    result, = drive(:KVRGUIShowConstraint, argument) do |d|
      GC.start(full_mark: true, immediate_sweep: true)
      Array.new(100_000) { Object.new }
      d.click(IDC_EDITOR_ANGLE)
      GC.start(full_mark: true, immediate_sweep: true)
      d.click(IDC_EDITOR_DISTANCE)
      d.click(IDOK)
    end
    assert_equal [["12.5", "Width", 51], []], [result, collected]
    assert_equal [[51], [55], [51]], KVR.calls.select { |c| c[1] == :currentValue }.map(&:last)
  end

  # The plug-in's classes and module are found by name when they are needed:
  # a missing one reaches the caller as a NameError, with no dialog shown;
  # Sketchup::Edge is looked up only when both entities exist.
  def test_missing_names_reach_the_caller
    log = KVR.calls
    [[Object, :KVR, pre_constraint(51), []],
     [KVR, :KVRPreConstraint, pre_constraint(51), []],
     [Sketchup, :Edge, pre_constraint(51), [["c", :kind_of?, [PRE]]]]].each do |owner, name, constraint, calls|
      log.clear
      without_constant(owner, name) do
        assert_raises(NameError, name) { opened?(constraint) }
      end
      assert_equal calls, log, "#{name}: the calls before the failing look-up"
      assert_equal [0, 0], [KVRGUITest.live_dialogs, KVRGUITest.resource_depth]
    end
    one_entity = PRE.new("c", type: 51, entity1: edges.first, entity2: nil, values: VALUES)
    without_constant(Sketchup, :Edge) do
      assert_equal [["12.5", "Width", 51], true], opened?(one_entity)
    end
  end

  def without_constant(owner, name)
    value = owner.send(:remove_const, name)
    yield
  ensure
    owner.const_set(name, value)
  end
end
