require_relative "navigation"

# The options dialog as its documents describe it: the seven check marks, the
# three-way choice, the plug-in's option values, the focus, and the exact
# plug-in calls each user action must cause. Written from the documents, not
# from the module's code.
class OptionsModel
  BOXES = { 2023 => :inferredConstraints, 2000 => :inferredConstraintsRectangle,
            2001 => :inferredConstraintsPushPull, 2025 => :fullText,
            2026 => :fixationForVertexBySorvaneTool, 2039 => :fixationForFaceBySorvaneTool,
            2057 => :immediatelySolve }.freeze
  RADIOS = [2058, 2059, 2060].freeze
  RESTORE = 2051
  OK = 2091
  # The reads of initialisation and after Restore Defaults, in their order.
  REFRESH = %i[inferredConstraints inferredConstraintsRectangle inferredConstraintsPushPull fullText
               fixationForFaceBySorvaneTool fixationForVertexBySorvaneTool immediatelySolve].freeze
  SEPARATOR = 2067
  # Template order; Tab goes to the next visible tab stop in it, wrapping.
  # The check boxes and push buttons are tab stops, and of the radio buttons
  # only the checked one (checking a radio button makes it the group's stop).
  TEMPLATE = [2000, 2001, 2023, 2025, 2026, 2039, RESTORE, 2057, 2095, 2058, 2059, 2060, 2093,
              2094, SEPARATOR, OK].freeze
  # The arrows move round the group of the focused control. A group runs
  # from a control that starts one to the next, wrapping past the end of the
  # template (Wine's rule; the documents are silent), so the first controls
  # belong to the separator's group; the hidden boxes are skipped.
  RING = [SEPARATOR, OK, 2000, 2001, 2023, 2025, RESTORE, 2057].freeze
  CLICKABLE = [2000, 2001, 2023, 2025, RESTORE, 2057, *RADIOS, OK].freeze

  attr_reader :values, :marks, :radio, :focus, :ended

  # values: what the readers answer (any Ruby object); defaults: what
  # setDefaultSettings restores (the rest goes false).
  def initialize(values, defaults)
    @values = values.dup
    @defaults = defaults
    @mirror = {}
    @marks = {}
    @calls = []
    @ended = false
  end

  # The calls of opening, in order; the state once they are answered.
  def open
    call(:kvrSkpData, :plugin)
    call(:options, :data)
    read_update_mode
    refresh_checks
    @focus = OK
    @default_look = OK
    take_calls
  end

  def actions
    keys = %i[tab shift_tab space enter escape up down left right]
    CLICKABLE.map { |id| [:click, id] } + keys.map { |k| [:key, k] } + [[:close]]
  end

  # Applies one action; returns the calls it must cause.
  def apply(action)
    kind, arg = action
    case kind
    when :click then click(arg)
    when :close then @ended = true
    when :key then key(arg)
    end
    take_calls
  end

  def shown_marks
    [BOXES.keys.select { |id| marks[id] }.sort, radio]
  end

  private

  def take_calls
    @calls.shift(@calls.size)
  end

  def call(method, role, *argument)
    @calls << [method, role, *argument]
  end

  def read(option)
    call(option, :options)
    @values[option] == true
  end

  def write(option, flag)
    call(:"#{option}EXT=", :options, flag)
    @values[option] = flag
  end

  def refresh_checks
    REFRESH.each do |option|
      @mirror[option] = read(option)
      @marks[BOXES.key(option)] = @mirror[option]
    end
  end

  def read_update_mode
    v = read(:autoRecalculateConstraintsValues)
    m = read(:autoRecalculateModel)
    @radio = RADIOS[v && !m ? 1 : m && !v ? 2 : 0]
  end

  def click(id)
    @focus = id
    press(id)
  end

  # A button pressed, by the mouse or by Space.
  def press(id)
    if id == OK
      @ended = true
    elsif id == RESTORE
      restore_defaults
    elsif RADIOS.include?(id)
      @radio = id
      mode = RADIOS.index(id)
      write(:autoRecalculateModel, mode == 2)
      write(:autoRecalculateConstraintsValues, mode == 1)
    else
      @marks[id] = !@marks[id]
      box_clicked(id, @marks[id])
    end
  end

  def restore_defaults
    call(:setDefaultSettings, :options)
    @values.transform_values! { false }
    @values.merge!(@defaults)
    refresh_checks
    read_update_mode
  end

  def box_clicked(id, checked)
    case id
    when 2023
      %i[inferredConstraints inferredConstraintsPushPull inferredConstraintsRectangle].each do |o|
        @mirror[o] = checked
        write(o, checked)
      end
      @marks[2000] = @marks[2001] = checked
    when 2000 then sub_option(:inferredConstraintsRectangle, :inferredConstraintsPushPull, 2001, checked)
    when 2001 then sub_option(:inferredConstraintsPushPull, :inferredConstraintsRectangle, 2000, checked)
    when 2025
      write(:fullText, checked)
      call(:applyLabelsTextStyle, :plugin)
    else
      write(BOXES[id], checked)
    end
  end

  # The master follows its sub-options: the binding decides from its mirror
  # of the other sub-option, the marks from the other box on screen.
  def sub_option(option, other, other_box, checked)
    @mirror[option] = checked
    write(option, checked)
    if checked
      @mirror[:inferredConstraints] = true
      write(:inferredConstraints, true)
    elsif !@mirror[other]
      @mirror[:inferredConstraints] = false
      write(:inferredConstraints, false)
    end
    @marks[2023] = true if checked
    @marks[2023] = false if !checked && !@marks[other_box]
  end

  def key(name)
    case name
    when :escape then @ended = true
    when :space then press(focus) unless focus == SEPARATOR
    when :tab, :shift_tab then tab(name == :tab ? 1 : -1)
    when :enter then enter
    else arrow(%i[down right].include?(name) ? 1 : -1)
    end
  end

  def tab(step)
    @focus = Navigation.next_tab_stop(TEMPLATE, focus, step) { |id| tab_stop?(id) }
    focus_moved_by_keyboard
  end

  # The push button the keyboard moves the focus onto takes the default
  # look; any other control gives it back to OK. The mouse moves the focus
  # but leaves the look where it was (Wine's behaviour, the documents are
  # silent).
  def focus_moved_by_keyboard
    @default_look = [OK, RESTORE].include?(focus) ? focus : OK
  end

  def tab_stop?(id)
    (CLICKABLE - RADIOS).include?(id) || id == radio
  end

  # Enter presses the focused push button when it has the default look,
  # otherwise OK: after a mouse click on Restore Defaults, Enter goes to OK
  # unless the keyboard had given Restore Defaults the look before.
  def enter
    if focus == RESTORE && @default_look == RESTORE
      restore_defaults
    else
      @ended = true
    end
  end

  def arrow(step)
    if RADIOS.include?(focus)
      @focus = Navigation.round(RADIOS, focus, step)
      press(focus) # moving onto an unchecked radio button clicks it
    else
      @focus = Navigation.round(RING, focus, step)
    end
    focus_moved_by_keyboard
  end
end
