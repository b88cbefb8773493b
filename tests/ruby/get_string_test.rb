require_relative "test_helper"
require_relative "support/dialog_helpers"

# KVRGUI_LangHandler#GetString as the plug-in calls it (no strings file here).
class GetStringTest < Minitest::Test
  include DialogHelpers

  def setup
    super
    @handler = KVRGUI_LangHandler.new
  end

  def test_classes_are_defined
    assert_kind_of Class, KVRGUI
    assert_equal 1, KVRGUI_LangHandler.instance_method(:GetString).arity
  end

  def test_a_key_without_translation_is_returned_as_a_new_string
    first = @handler.GetString("Cancel")
    assert_equal "Cancel", first
    assert_equal Encoding::UTF_8, first.encoding
    first << " changed"
    assert_equal "Cancel", @handler.GetString("Cancel"), "the caller's copy is its own"
  end

  def test_the_key_ends_at_its_first_nul_byte
    assert_equal "Can", @handler.GetString("Can\0cel")
    assert_equal "", @handler.GetString("\0")
    assert_equal "", @handler.GetString("")
  end

  def test_bytes_pass_unchanged
    assert_equal "\u00B0", @handler.GetString("\u00B0")
    invalid = "\xFF\xFEok".b
    assert_equal invalid, @handler.GetString(invalid).b
    long = "k" * 5000
    assert_equal long, @handler.GetString(long)
  end

  def test_arguments_that_are_not_strings_raise_type_error
    [nil, 42, :OK, ["OK"], Object.new].each do |arg|
      assert_raises(TypeError, "GetString(#{arg.inspect})") { @handler.GetString(arg) }
    end
    assert_equal "OK", @handler.GetString("OK"), "still answers after a refused call"
  end

  def test_the_receiver_is_not_used
    assert_equal "OK", KVRGUI_LangHandler.allocate.GetString("OK")
  end
end
