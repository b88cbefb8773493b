require_relative "navigation"

# The dimension editor as its documents describe it: the constraint's type
# and the texts it names, the value and name boxes with their selections, the
# checked and enabled choice buttons, the focus, the plug-in calls each action
# must cause, and the result. Written from the documents, not from the code.
class EditorModel
  OK = 1
  CANCEL = 2
  NAME = 2082
  VALUE = 2083
  DISTANCE = 2087
  ANGLE = 2088
  TYPE_CAPTION = 2092
  # type => [type name, value label, kind]
  TYPES = { 21 => ["Edge length", "Length:", :fixed], 22 => ["Arccurve radius", "Radius:", :fixed],
            51 => ["Edge Edge distance", "Distance:", :distance],
            52 => ["Vertex Edge distance", "Distance:", :fixed],
            -52 => ["Edge Vertex distance", "Distance:", :fixed],
            53 => ["Vertex Vertex distance", "Distance:", :fixed],
            54 => ["Edge Edge planar angle", "Angle:", :angle], 55 => ["Edge Edge angle", "Angle:", :angle],
            56 => ["Edge Face angle", "Angle:", :angle], -56 => ["Face Edge angle", "Angle:", :angle],
            57 => ["Vertex Face distance", "Distance:", :fixed],
            -57 => ["Face Vertex distance", "Distance:", :fixed],
            58 => ["Edge Face distance", "Distance:", :distance],
            -58 => ["Face Edge distance", "Distance:", :distance],
            59 => ["Face Face distance", "Distance:", :distance], 60 => ["Face Face angle", "Angle:", :angle] }.freeze
  TO_ANGLE = { 51 => nil, 58 => 56, -58 => -56, 59 => 60 }.freeze
  TO_DISTANCE = { 54 => 51, 55 => 51, 56 => 58, -56 => -58, 60 => 59 }.freeze
  TEMPLATE = [OK, CANCEL, 2084, NAME, VALUE, 2085, DISTANCE, ANGLE, TYPE_CAPTION].freeze
  # The arrows' groups; the first wraps round from the type caption, the
  # last control that starts a group (Wine's rule; the documents are silent).
  BUTTON_RING = [TYPE_CAPTION, OK, CANCEL].freeze
  SELECT_END = 193

  attr_reader :ended, :focus, :result

  # constraint: { type:, pre:, share_face:, edges: (both entities edges),
  # values: { type => number } }, name: the name String.
  def initialize(constraint, name)
    @c = constraint
    @type = constraint[:type]
    @texts = { NAME => name.dup, VALUE => "" }
    @selection = { NAME => [0, 0], VALUE => [0, 0] }
    @calls = []
    @ended = false
    @result = nil
  end

  def open
    call("c", :kind_of?, [KVR::KVRPreConstraint])
    call("c", :type, []) unless @c[:pre]
    open_entities
    @checked = { distance: [true, false], angle: [false, true], fixed: [false, false] }.fetch(kind)
    @texts[VALUE] = read_value(@c[:pre] ? [@type] : [], kind == :angle)
    @enabled = kind != :fixed && @c[:pre]
    @focus = VALUE
    select_value
    @keyboard_default = false
    take_calls
  end

  def actions
    list = [[:click, OK], [:click, CANCEL], [:click, DISTANCE], [:click, ANGLE], [:close]]
    list += %i[tab shift_tab space enter escape].map { |k| [:key, k] }
    list += %i[up down left right].map { |k| [:key, k] } unless [NAME, VALUE].include?(focus)
    list + [[:type, NAME, "d2"], [:type, VALUE, "12.5"], [:type, VALUE, "30\u00B0"], [:type, NAME, ""]]
  end

  def apply(action)
    kind, *args = action
    case kind
    when :click then click(*args)
    when :close then @ended = true
    when :type then type(*args)
    when :key then key(*args)
    end
    take_calls
  end

  def shown
    name, label, = TYPES[@type]
    { caption: name, name: @texts[NAME], value: @texts[VALUE], label: label, checked: @checked,
      enabled: [@enabled, @enabled], focus: focus, selection: @selection[VALUE] }
  end

  private

  def kind
    TYPES[@type][2]
  end

  def take_calls
    @calls.shift(@calls.size)
  end

  def call(receiver, method, args)
    @calls << [receiver, method, args]
  end

  def open_entities
    return unless @c[:entities]

    call("e1", :kind_of?, [Sketchup::Edge])
    call("e2", :kind_of?, [Sketchup::Edge])
    call("e1", :common_face, ["e2"]) if @c[:edges]
  end

  # currentValue, the rounding of an angle, to_s; the text the plug-in's
  # fakes give (tenths of a degree for angles). A value of nil shows as
  # nil.to_s, an empty text, and rounds to the plain Float 0.0; neither logs
  # its to_s.
  def read_value(args, angle)
    number = @c[:values].fetch(@type)
    call("c", :currentValue, args)
    if angle
      call("KVR", :roundAngleRAD2DEG, [number && "measure #{number}"])
      degrees = (number.to_f * 180 / Math::PI).round(1)
      call("measure #{degrees}", :to_s, []) if number
      return "#{degrees}\u00B0"
    end
    call("measure #{number}", :to_s, []) if number
    number.to_s
  end

  def select_value
    @selection[VALUE] = [0, [SELECT_END, units(@texts[VALUE])].min]
  end

  def units(text)
    text.encode("UTF-16LE").bytesize / 2
  end

  def click(id)
    return if [DISTANCE, ANGLE].include?(id) && !@enabled # the click reaches the dialog

    @focus = id
    @keyboard_default = false
    press(id)
  end

  def press(id)
    case id
    when OK then accept
    when CANCEL then @ended = true
    when DISTANCE, ANGLE then choose(id == ANGLE)
    end
  end

  def accept
    @ended = true
    @result = [@texts[VALUE], @texts[NAME], @type]
  end

  def choose(angle)
    @checked = [!angle, angle]
    map = angle ? TO_ANGLE : TO_DISTANCE
    if map.key?(@type)
      @type = map[@type] || (@c[:edges] && @c[:share_face] ? 54 : 55)
    end
    @texts[VALUE] = read_value([@type], angle)
    @focus = VALUE
    select_value
  end

  # Typing enters the box as Tab would (all selected), then replaces it.
  def type(id, text)
    @focus = id
    @selection[id] = [0, units(@texts[id])]
    insert(id, text) unless text.empty? # no character, no change
  end

  def insert(id, text)
    from, to = @selection[id]
    units = @texts[id].encode("UTF-16LE")
    @texts[id] = (units.byteslice(0, 2 * from) + text.encode("UTF-16LE") +
                  units.byteslice(2 * to..)).encode("UTF-8")
    caret = from + units(text)
    @selection[id] = [caret, caret]
  end

  def key(name)
    case name
    when :escape then @ended = true
    when :space then space
    when :tab, :shift_tab then tab(name == :tab ? 1 : -1)
    when :enter then enter
    else arrow(%i[down right].include?(name) ? 1 : -1)
    end
  end

  def space
    if [NAME, VALUE].include?(focus)
      insert(focus, " ")
    elsif focus != TYPE_CAPTION
      press(focus)
    end
  end

  def tab_stop?(id)
    [OK, CANCEL, NAME, VALUE].include?(id) ||
      (@enabled && ((id == DISTANCE && @checked[0]) || (id == ANGLE && @checked[1])))
  end

  def tab(step)
    @focus = Navigation.next_tab_stop(TEMPLATE, focus, step) { |id| tab_stop?(id) }
    @selection[focus] = [0, units(@texts[focus])] if [NAME, VALUE].include?(focus)
    @keyboard_default = true
  end

  # A push button reached with the keyboard is the default while it has the
  # focus; otherwise Enter goes to the template's default button, OK (Wine's
  # behaviour; the documents are silent).
  def enter
    focus == CANCEL && @keyboard_default ? @ended = true : accept
  end

  def arrow(step)
    if [DISTANCE, ANGLE].include?(focus)
      choose(focus == DISTANCE) # onto the other, unchecked button: a click
    else
      @focus = Navigation.round(BUTTON_RING, focus, step)
      @keyboard_default = true
    end
  end
end
