require_relative "test_helper"
require_relative "support/editor_helpers"

# The dimension editor as the person at the dialog meets it.
class EditorDialogTest < Minitest::Test
  include EditorHelpers

  def test_a_distance_switched_to_an_angle_and_back
    result, seen = edit(pre_constraint(51)) do |d|
      opened = editor_state(d).merge(
        class: d.class_name, template: d.template_id,
        captions: [IDC_EDITOR_NAME_CAPTION, IDC_EDITOR_TYPE_CAPTION, IDC_EDITOR_DISTANCE,
                   IDC_EDITOR_ANGLE, IDOK, IDCANCEL].map { |id| d.text(id) }
      )
      d.click(IDC_EDITOR_ANGLE)
      angle = editor_state(d)
      d.click(IDC_EDITOR_DISTANCE)
      distance = editor_state(d)
      d.click(IDC_EDITOR_ANGLE)
      d.click(IDOK)
      [opened, angle, distance]
    end
    opened, angle, distance = seen
    assert_equal({ caption: "Edge Edge distance", name: "Width", value: "12.5", label: "Distance:",
                   checked: [true, false], enabled: [true, true], **value_focused("12.5"),
                   class: "KVRGUIConstraintDialog", template: IDD_KVRGUI_CONSTRAINT,
                   captions: ["Dimension name:", "Dimension type:", "Distance", "Angle", "OK",
                              "Cancel"] }, opened)
    assert_equal({ caption: "Edge Edge planar angle", name: "Width", value: "45.0\u00B0",
                   label: "Angle:", checked: [false, true], enabled: [true, true],
                   **value_focused("45.0\u00B0") }, angle)
    assert_equal({ caption: "Edge Edge distance", name: "Width", value: "12.5", label: "Distance:",
                   checked: [true, false], enabled: [true, true], **value_focused("12.5") },
                 distance)
    assert_equal ["45.0\u00B0", "Width", 54], result
    assert_equal 0, KVRGUITest.unhandled
  end

  # Every switch the editor knows, each way: the type OK returns and what the
  # dialog shows after the click.
  def test_every_switch_of_a_type
    [[51, IDC_EDITOR_ANGLE, 54], [51, IDC_EDITOR_ANGLE, 55, false], [54, IDC_EDITOR_DISTANCE, 51],
     [55, IDC_EDITOR_DISTANCE, 51], [56, IDC_EDITOR_DISTANCE, 58], [58, IDC_EDITOR_ANGLE, 56],
     [-56, IDC_EDITOR_DISTANCE, -58], [-58, IDC_EDITOR_ANGLE, -56], [59, IDC_EDITOR_ANGLE, 60],
     [60, IDC_EDITOR_DISTANCE, 59]].each do |from, button, to, shared = true|
      result, seen = edit(pre_constraint(from, shared: shared)) do |d|
        d.click(button)
        state = editor_state(d)
        d.click(IDOK)
        state.values_at(:value, :checked)
      end
      checked = button == IDC_EDITOR_ANGLE ? [false, true] : [true, false]
      assert_equal [[shown_value(to), checked], [shown_value(to), "Width", to]], [seen, result],
                   "#{from} switched by #{button}"
    end
    assert_equal 0, KVRGUITest.unhandled
  end

  def test_types_without_a_counterpart_cannot_be_switched
    { 21 => ["Edge length", "Length:"], 22 => ["Arccurve radius", "Radius:"],
      52 => ["Vertex Edge distance", "Distance:"], -52 => ["Edge Vertex distance", "Distance:"],
      53 => ["Vertex Vertex distance", "Distance:"], 57 => ["Vertex Face distance", "Distance:"],
      -57 => ["Face Vertex distance", "Distance:"] }.each do |type, (caption, label)|
      result, seen = edit(pre_constraint(type)) do |d|
        opened = editor_state(d)
        d.click(IDC_EDITOR_DISTANCE)
        d.click(IDC_EDITOR_ANGLE)
        d.key(:enter)
        opened
      end
      value = VALUES[type].to_s
      assert_equal({ caption: caption, name: "Width", value: value, label: label,
                     checked: [false, false], enabled: [false, false], **value_focused(value) },
                   seen)
      assert_equal [value, "Width", type], result
      assert_equal 1, KVR.calls.count { |call| call[1] == :currentValue }, "clicks on #{type}"
      KVR.calls.clear
    end
  end

  # A click re-reads the value, also on the checked button, replacing what
  # was typed; a typed name survives.
  def test_a_click_rereads_the_value_and_keeps_the_typed_name
    result, seen = edit(pre_constraint(51)) do |d|
      d.type(IDC_EDITOR_VALUE, "99")
      d.type(IDC_EDITOR_NAME, "Depth")
      d.click(IDC_EDITOR_DISTANCE)
      state = editor_state(d)
      d.type(IDC_EDITOR_VALUE, "13")
      d.click(IDOK)
      state
    end
    assert_equal({ caption: "Edge Edge distance", name: "Depth", value: "12.5", label: "Distance:",
                   checked: [true, false], enabled: [true, true], **value_focused("12.5") }, seen)
    assert_equal ["13", "Depth", 51], result
    assert_equal [["c", :currentValue, [51]]] * 2, KVR.calls.select { |c| c[1] == :currentValue }
  end

  def test_ok_and_enter_return_the_texts_every_other_way_out_nil
    { ->(d) { d.click(IDOK) } => ["60.0\u00B0", "Width", 55],
      ->(d) { d.key(:enter) } => ["60.0\u00B0", "Width", 55],
      ->(d) { d.click(IDCANCEL) } => nil, ->(d) { d.key(:escape) } => nil,
      ->(d) { d.close } => nil }.each do |way_out, expected|
      result, = edit(pre_constraint(55)) { |d| way_out.call(d) }
      assert_equal [expected], [result]
    end
    result, = edit(pre_constraint(55)) do |d|
      d.type(IDC_EDITOR_VALUE, "30\u00B0")
      d.click(IDC_EDITOR_DISTANCE)
      d.click(IDCANCEL)
    end
    assert_nil result, "edits and switches are dropped with Cancel"
    assert_equal 0, KVRGUITest.unhandled
  end

  # Texts of any length go both ways whole; the value box opens with all of
  # a long value selected.
  def test_long_texts_are_carried_whole
    name = "N\u00E4me \u65E5\u672C " * 30
    long_value = "1" * 250
    constraint = pre_constraint(59, values: { 59 => long_value })
    result, seen = edit(constraint, name) do |d|
      opened = editor_state(d).values_at(:name, :value, :selection)
      d.type(IDC_EDITOR_NAME, "#{name}!")
      d.type(IDC_EDITOR_VALUE, "2" * 300)
      d.click(IDOK)
      opened
    end
    assert_equal [name, long_value, [0, 250]], seen
    assert_equal ["2" * 300, "#{name}!", 59], result
  end

  # Tab walks the template's order: the checked choice button while it is
  # enabled (a disabled one is passed over), OK, Cancel, the name and the
  # value box.
  def test_the_tab_order
    { 51 => [IDC_EDITOR_DISTANCE, IDOK, IDCANCEL, IDC_EDITOR_NAME, IDC_EDITOR_VALUE],
      54 => [IDC_EDITOR_ANGLE, IDOK, IDCANCEL, IDC_EDITOR_NAME, IDC_EDITOR_VALUE],
      21 => [IDOK, IDCANCEL, IDC_EDITOR_NAME, IDC_EDITOR_VALUE],
      KVR::KVRConstraint.new("c", type: 51, values: 1) =>
        [IDOK, IDCANCEL, IDC_EDITOR_NAME, IDC_EDITOR_VALUE] }.each do |type, order|
      constraint = type.is_a?(Integer) ? pre_constraint(type) : type
      _, seen = edit(constraint) do |d|
        walked = order.map do
          d.key(:tab)
          d.focus
        end
        d.key(:escape)
        walked
      end
      assert_equal order, seen, "type #{type}"
    end
  end

  def test_names_and_values_as_the_plugin_gives_them
    [["", 12.5, ["", "12.5"]], ["a\0b", "3 m\0x", ["a", "3 m"]], ["x", nil, ["x", ""]],
     ["\u00C9paisseur", "1,5\u00A0cm", ["\u00C9paisseur", "1,5\u00A0cm"]]].each do |name, value, shown|
      result, seen = edit(pre_constraint(21, values: value), name) do |d|
        state = [d.text(IDC_EDITOR_NAME), d.text(IDC_EDITOR_VALUE)]
        d.click(IDOK)
        state
      end
      assert_equal shown, seen, "name #{name.inspect}, value #{value.inspect}"
      assert_equal [*shown.reverse, 21], result
    end
  end

  # With a strings file: the type names, labels and degree sign translated,
  # and a name that is a key shown as its translation, which a click keeps.
  def test_the_editor_translated
    strings = <<~STRINGS
      "Edge Edge distance" = "Distance ar\u00EAte\u2013ar\u00EAte";
      "Edge Edge planar angle" = "Angle plan ar\u00EAte\u2013ar\u00EAte";
      "Distance:" = "Distance\u00A0:";
      "Angle:" = "Angle\u00A0:";
      "Dimension name:" = "Nom de la cote\u00A0:";
      "\u00B0" = " degr\u00E9s";
      "Cancel" = "Annuler";
      "Width" = "Largeur";
    STRINGS
    script = <<~RUBY
      require #{File.expand_path("support/fake_constraints", __dir__).inspect}
      edges = [Sketchup::Edge.new("e1", [:top]), Sketchup::Edge.new("e2", [:top])]
      c = KVR::KVRPreConstraint.new("c", type: 51, entity1: edges[0], entity2: edges[1],
                                    values: { 51 => 12.5, 54 => Math::PI / 4 })
      seen = []
      KVRGUITest.on_dialog do |d|
        seen << [d.caption, d.text(#{IDC_EDITOR_NAME}), d.text(#{IDC_EDITOR_VALUE}),
                 d.text(#{IDC_EDITOR_VALUE_LABEL}), d.text(#{IDC_EDITOR_NAME_CAPTION}),
                 d.text(#{IDC_EDITOR_TYPE_CAPTION}), d.text(#{IDCANCEL})]
        d.click(#{IDC_EDITOR_ANGLE})
        seen << [d.caption, d.text(#{IDC_EDITOR_NAME}), d.text(#{IDC_EDITOR_VALUE}),
                 d.text(#{IDC_EDITOR_VALUE_LABEL})]
        d.click(#{IDOK})
      end
      seen << KVRGUI.new.KVRGUIShowConstraint([c, "Width"]) << KVRGUITest.unhandled
    RUBY
    opened, switched, result, unhandled = ChildRuby.run(script, strings: strings)["value"]
    assert_equal ["Distance ar\u00EAte\u2013ar\u00EAte", "Largeur", "12.5", "Distance\u00A0:",
                  "Nom de la cote\u00A0:", "Dimension type:", "Annuler"], opened
    assert_equal ["Angle plan ar\u00EAte\u2013ar\u00EAte", "Largeur", "45.0 degr\u00E9s",
                  "Angle\u00A0:"], switched
    assert_equal [["45.0 degr\u00E9s", "Largeur", 54], 0], [result, unhandled]
  end
end
