require_relative "test_helper"
require_relative "support/dialog_helpers"
require_relative "support/fake_constraints"

# Every public method called with wrong types, odd values and the wrong number
# of arguments: each call gets a Ruby exception or the method's documented
# result, any dialog it shows is closed by the test, and nothing is leaked.
class WrongArgumentsTest < Minitest::Test
  include DialogHelpers

  RETURNS_NIL = ->(result) { result.nil? }

  # One row per public method: its class, name, arity and what a call may
  # return. A new method is one more row.
  METHODS = [
    [KVRGUI, :KVRGUIShowOptions, 1, RETURNS_NIL],
    [KVRGUI, :KVRGUIShowConstraint, 1, ->(result) { result.nil? || (result.is_a?(Array) && result.size == 3) }],
    [KVRGUI, :KVRGUIShowError, 1, RETURNS_NIL],
    [KVRGUI, :KVRGUIShowErrorWithHlink, 1, RETURNS_NIL],
    [KVRGUI, :KVRGUIShowAbout, 0, RETURNS_NIL],
    [KVRGUI_LangHandler, :GetString, 1, ->(result) { result.instance_of?(String) }]
  ].freeze

  # Raised by the odd objects' own methods; it must reach the caller unchanged.
  class OddObjectError < StandardError; end

  to_s_raises = Object.new
  def to_s_raises.to_s
    raise OddObjectError, "to_s"
  end
  to_s_not_a_string = Object.new
  def to_s_not_a_string.to_s
    42
  end
  raises_everywhere = Class.new(BasicObject) do
    def method_missing(*)
      ::Kernel.raise OddObjectError, "method_missing"
    end

    def respond_to_missing?(*)
      true
    end
  end.new

  ODD_VALUES = {
    "nil" => nil, "true" => true, "zero" => 0, "-1" => -1, "2**64" => 2**64, "1.5" => 1.5,
    "NaN" => Float::NAN, "Symbol" => :OK, "empty String" => "", "huge String" => "x" * 2_000_000,
    "NUL inside" => "OK\0hidden", "only NUL" => "\0", "invalid UTF-8" => "\xFF\xFE\xC0".dup.force_encoding("UTF-8"),
    "binary" => "\u00E9".b, "UTF-16" => "OK".encode("UTF-16LE"), "frozen" => "OK".freeze,
    "String subclass" => Class.new(String).new("OK"), "Array" => ["OK"], "Hash" => { "OK" => 1 },
    "to_s raises" => to_s_raises, "to_s not a String" => to_s_not_a_string,
    "BasicObject" => BasicObject.new, "raises everywhere" => raises_everywhere,
    "Class" => String, "Proc" => -> { raise OddObjectError }
  }.freeze

  ACCEPTED_ERRORS = [TypeError, ArgumentError, NoMethodError, RangeError, OddObjectError].freeze

  # What one call did: [:returned, result] or [:raised, exception]. A dialog
  # it shows is closed by its close box.
  def call(klass, method, args)
    KVRGUITest.on_dialog(&:close)
    [:returned, klass.new.public_send(method, *args)]
  rescue Exception => e # rubocop:disable Lint/RescueException
    [:raised, e]
  ensure
    KVRGUITest.queued_blocks.clear
  end

  def check(klass, method, returns, args, label)
    outcome, value = call(klass, method, args)
    what = "#{klass}##{method}(#{label})"
    if outcome == :raised
      assert ACCEPTED_ERRORS.any? { |e| value.is_a?(e) }, "#{what} raised #{value.class}: #{value.message}"
    else
      assert returns.call(value), "#{what} returned #{value.inspect[0, 60]}"
    end
    assert_equal [0, 0, 0, 0],
                 [KVRGUITest.unhandled, KVRGUITest.native_failures, KVRGUITest.live_dialogs,
                  KVRGUITest.resource_depth], "#{what}: unhandled, native failures, live, depth"
  end

  def test_odd_values_get_an_exception_or_the_documented_result
    METHODS.each do |klass, method, arity, returns|
      next if arity.zero?

      ODD_VALUES.each do |label, value|
        check(klass, method, returns, [value] * arity, label)
      end
    end
  end

  def test_the_wrong_number_of_arguments_raises_argument_error
    METHODS.each do |klass, method, arity, returns|
      [arity - 1, arity + 1, arity + 5].reject(&:negative?).each do |count|
        outcome, error = call(klass, method, ["OK"] * count)
        assert_equal :raised, outcome, "#{klass}##{method} with #{count} arguments"
        assert_kind_of ArgumentError, error
      end
      check(klass, method, returns, ["OK"] * arity, "the right count")
    end
  end

  # A value whose inspect misbehaves, for the messages that show it.
  class OddInspect
    def initialize(&inspect)
      @inspect = inspect
    end

    def inspect
      @inspect.call
    end
  end

  # Raised by inspect: not an ordinary error, so it is not swallowed.
  class StopRequest < Exception; end # rubocop:disable Lint/InheritException

  def constraint_typed(type)
    KVR::KVRConstraint.new("c", type: type, values: 1)
  end

  def pre_constraint_typed(type, derived: nil)
    KVR::KVRPreConstraint.new("c", type: type, derived_type: derived, values: 1)
  end

  SHOW = ->(arg) { KVRGUI.new.KVRGUIShowConstraint(arg) }
  RANGE = "must be an Integer from -2147483648 to 2147483647"

  # What the module converts itself, given the wrong thing: the exception class
  # a Ruby programmer expects, and a message naming what was expected and what
  # came. [label, call, class, message (exact, or a pattern)]
  MESSAGES = [
    ["GetString(5)", -> { KVRGUI_LangHandler.new.GetString(5) },
     TypeError, "the key of GetString must be a String (got Integer 5)"],
    ["a String argument", -> { SHOW.call("c") }, TypeError,
     'the argument of KVRGUIShowConstraint must be an Array [constraint, dimension name] (got String "c")'],
    ["an Array too short", -> { SHOW.call([]) }, ArgumentError,
     "the argument of KVRGUIShowConstraint must be an Array [constraint, dimension name] (got Array [])"],
    ["a Symbol name", -> { SHOW.call([constraint_typed(21), :W]) }, TypeError,
     "the dimension name (element 1 of the argument of KVRGUIShowConstraint) must be a String (got Symbol :W)"],
    ["type \"21\"", -> { SHOW.call([constraint_typed("21"), "W"]) }, TypeError,
     'the constraint\'s type must be an Integer (got String "21")'],
    ["type nil", -> { SHOW.call([constraint_typed(nil), "W"]) }, TypeError,
     "the constraint's type must be an Integer (got nil)"],
    ["@type :x", -> { SHOW.call([pre_constraint_typed(:x), "W"]) }, TypeError,
     "the constraint's @type must be an Integer (got Symbol :x)"],
    ["getConstraintType false", -> { SHOW.call([pre_constraint_typed(nil, derived: false), "W"]) },
     TypeError, "the result of the constraint's getConstraintType must be an Integer (got false)"],
    ["type 2**31", -> { SHOW.call([constraint_typed(2**31), "W"]) }, RangeError,
     "the constraint's type #{RANGE} (got Integer 2147483648)"],
    ["type 2**70", -> { SHOW.call([constraint_typed(2**70), "W"]) }, RangeError,
     "the constraint's type #{RANGE} (got Integer 1180591620717411303424)"],
    ["type NaN", -> { SHOW.call([constraint_typed(Float::NAN), "W"]) }, RangeError,
     "the constraint's type #{RANGE} (got Float NaN)"],
    ["inspect raises", -> { SHOW.call([constraint_typed(OddInspect.new { raise "no" }), "W"]) },
     TypeError, "the constraint's type must be an Integer (got WrongArgumentsTest::OddInspect)"],
    ["inspect answers 42", -> { SHOW.call([constraint_typed(OddInspect.new { 42 }), "W"]) },
     TypeError, "the constraint's type must be an Integer (got WrongArgumentsTest::OddInspect)"],
    ["inspect of a megabyte", -> { SHOW.call([constraint_typed("\u00E9" * 500_000), "W"]) }, TypeError,
     "the constraint's type must be an Integer (got String \"#{"\u00E9" * 29}...)"],
    ["BasicObject", -> { SHOW.call([constraint_typed(BasicObject.new), "W"]) }, TypeError,
     "the constraint's type must be an Integer (got BasicObject)"],
    ["an anonymous class", -> { SHOW.call([constraint_typed(Class.new.new), "W"]) }, TypeError,
     /\Athe constraint's type must be an Integer \(got #<Class:0x\h+> #<#<Class:0x\h+>:0x\h+>\)\z/],
    ["BUILD \"1729\"", -> { with_constant(:TAVRO_SORVANE_BUILD, "1729") { KVRGUI.new.KVRGUIShowAbout } },
     TypeError, 'TAVRO_SORVANE_BUILD must be an Integer (got String "1729")'],
    ["BUILD 2**31", -> { with_constant(:TAVRO_SORVANE_BUILD, 2**31) { KVRGUI.new.KVRGUIShowAbout } },
     RangeError, "TAVRO_SORVANE_BUILD #{RANGE} (got Integer 2147483648)"],
    ["BUILD undefined", -> { with_constant(:TAVRO_SORVANE_BUILD, :undefined) { KVRGUI.new.KVRGUIShowAbout } },
     NameError, "uninitialized constant TAVRO_SORVANE_BUILD: the plug-in's build number (an Integer), " \
                "which the About box shows"],
    ["VERSION undefined", -> { with_constant(:TAVRO_SORVANE_VERSION, :undefined) { KVRGUI.new.KVRGUIShowAbout } },
     NameError, "uninitialized constant TAVRO_SORVANE_VERSION: the plug-in's version (a String), " \
                "which the About box shows"]
  ].freeze

  def test_messages_name_what_was_expected_and_what_came
    MESSAGES.each do |label, act, error, message|
      shown = false
      KVRGUITest.on_dialog { |_d| shown = true }
      raised = assert_raises(error, label) { instance_exec(&act) }
      assert_instance_of error, raised, label
      # The first paragraph: Ruby's error_highlight appends the caller's line.
      got = raised.message.split("\n\n").first
      message.is_a?(Regexp) ? assert_match(message, got, label) : assert_equal(message, got, label)
      assert_equal Encoding::UTF_8, raised.message.encoding, label
      refute shown, "#{label}: no dialog"
      assert_equal [0, 0, 0], [KVRGUITest.live_dialogs, KVRGUITest.resource_depth, KVRGUITest.native_failures], label
      KVRGUITest.reset
    end
  end

  # A value that converts itself keeps its own errors; so does an inspect that
  # asks to stop rather than fail.
  def test_the_values_own_exceptions_reach_the_caller_unchanged
    failure = OddObjectError.new("to_int")
    converts = Object.new
    converts.define_singleton_method(:to_int) { raise failure }
    assert_same failure, assert_raises(OddObjectError) { SHOW.call([constraint_typed(converts), "W"]) }
    converts.define_singleton_method(:to_int) { 51 }
    result, = drive(:KVRGUIShowConstraint, [constraint_typed(converts), "W"]) { |d| d.click(IDOK) }
    assert_equal ["1", "W", 51], result, "an object with to_int converts itself"
    stop = StopRequest.new("stop")
    stopping = OddInspect.new { raise stop }
    assert_same stop, assert_raises(StopRequest) { SHOW.call([constraint_typed(stopping), "W"]) }
  end

  def test_a_missing_plugin_class_is_named_with_what_it_is_for
    script = "begin; KVRGUI.new.KVRGUIShowConstraint([Object.new, 'W']); rescue NameError => e; " \
             "[e.class.name, e.message]; end"
    assert_equal ["NameError", "uninitialized constant KVR::KVRPreConstraint: the plug-in's pre-constraint " \
                               "class, which KVRGUIShowConstraint asks every constraint about (kind_of?)"],
                 ChildRuby.run(script)["value"]
  end
end
