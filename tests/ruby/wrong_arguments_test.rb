require_relative "test_helper"
require_relative "support/dialog_helpers"

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
end
