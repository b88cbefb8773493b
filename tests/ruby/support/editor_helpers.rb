require_relative "dialog_helpers"
require_relative "fake_constraints"
require_relative "resource_ids"

# Opening the dimension editor on fake constraints and reading what it shows.
module EditorHelpers
  include DialogHelpers
  include ResourceIds

  # What currentValue answers for each type: lengths, and angles in radians
  # that KVR.roundAngleRAD2DEG turns into the degrees beside them.
  VALUES = { 21 => 100, 22 => 2.5, 51 => 12.5, 52 => 3, -52 => 4, 53 => 5, 57 => 6, -57 => 7,
             58 => 7.25, -58 => 3.5, 59 => 40.0,
             54 => Math::PI / 4, 55 => Math::PI / 3, 56 => Math::PI / 6, -56 => Math::PI / 2,
             60 => Math::PI }.freeze
  DEGREES = { 54 => "45.0", 55 => "60.0", 56 => "30.0", -56 => "90.0", 60 => "180.0" }.freeze

  def setup
    super
    KVR.calls.clear
    KVR.raise_in = nil
  end

  # The value text the editor shows for a type read from VALUES.
  def shown_value(type)
    DEGREES.key?(type) ? "#{DEGREES[type]}\u00B0" : VALUES[type].to_s
  end

  def edges(shared: true)
    [Sketchup::Edge.new("e1", [:top]), Sketchup::Edge.new("e2", shared ? [:top] : [:side])]
  end

  # A pre-constraint between two edges (of one face unless told otherwise).
  def pre_constraint(type, shared: true, values: VALUES, **options)
    e1, e2 = edges(shared: shared)
    KVR::KVRPreConstraint.new("c", type: type, entity1: e1, entity2: e2, values: values, **options)
  end

  # Runs KVRGUIShowConstraint([constraint, name]) while the block acts on
  # the editor; returns the result and what the block returned.
  def edit(constraint, name = "Width", &block)
    drive(:KVRGUIShowConstraint, [constraint, name], &block)
  end

  # What the user sees of the editor now.
  def editor_state(d)
    { caption: d.caption, name: d.text(IDC_EDITOR_NAME), value: d.text(IDC_EDITOR_VALUE),
      label: d.text(IDC_EDITOR_VALUE_LABEL),
      checked: [d.checked?(IDC_EDITOR_DISTANCE), d.checked?(IDC_EDITOR_ANGLE)],
      enabled: [d.enabled?(IDC_EDITOR_DISTANCE), d.enabled?(IDC_EDITOR_ANGLE)],
      focus: d.focus, selection: d.selection(IDC_EDITOR_VALUE) }
  end

  # The value box focused with its whole text selected.
  def value_focused(text)
    { focus: IDC_EDITOR_VALUE, selection: [0, text.encode("UTF-16LE").bytesize / 2] }
  end
end
