require_relative "test_helper"
require_relative "support/options_helpers"
require_relative "support/editor_helpers"

# A throw from a plug-in method reaches the catch around the module's method
# with its value, whatever Ruby code runs in the dialog's modal loop between
# the throw and the end of the loop: the code a host's own windows run there
# may raise and rescue, catch and throw, or break out of blocks.
class PluginThrowTest < Minitest::Test
  include OptionsHelpers
  include EditorHelpers

  INTERVENING = {
    "a rescued raise" => -> { begin; raise "x"; rescue StandardError; end },
    "a catch/throw pair" => -> { catch(:inner) { throw :inner, 1 } },
    "a break out of a block" => -> { [1, 2].each { |i| break i } },
    "a compacting collection" => -> { GC.start; GC.compact if GC.respond_to?(:compact) },
    "nothing" => -> {}
  }.freeze

  # Runs the method inside catch(tag) while the block acts on its dialog and
  # then runs the intervening code; answers what the catch returned.
  def caught(tag, method, argument, intervening)
    catch(tag) do
      KVRGUITest.on_dialog do |d|
        yield d
        intervening.call
      end
      KVRGUI.new.public_send(method, argument)
      :not_thrown
    end
  end

  def test_a_throw_from_an_options_writer
    INTERVENING.each do |what, intervening|
      token = Object.new
      plugin = FakeOptions::Plugin.new
      plugin.raise_in = :fullTextEXT=
      plugin.fail_with = -> { throw :tag, token }
      result = caught(:tag, :KVRGUIShowOptions, plugin, intervening) { |d| d.click(IDC_OPTIONS_FULL_TEXT) }
      assert_same token, result, what
      assert_equal :fullTextEXT=, plugin.log.last.first, "no call after the throw (#{what})"
      assert_equal [0, 0, 0], [KVRGUITest.live_dialogs, KVRGUITest.resource_depth, KVRGUITest.unhandled]
    end
  end

  def test_a_throw_from_current_value_during_a_choice_click
    INTERVENING.each do |what, intervening|
      token = [what]
      armed = false
      constraint = pre_constraint(51, on_value: -> { throw token, token if armed })
      result = caught(token, :KVRGUIShowConstraint, [constraint, "W"], intervening) do |d|
        armed = true
        d.click(IDC_EDITOR_ANGLE)
      end
      assert_same token, result, what
      assert_equal [0, 0, 0], [KVRGUITest.live_dialogs, KVRGUITest.resource_depth, KVRGUITest.unhandled]
    end
  end
end

# A return from a proc whose method is outside the dialog carries frames that
# no exported interpreter call can rebuild: it returns when nothing ran in
# between, and is otherwise lost as a LocalJumpError, never as a crash.
class PluginReturnTest < Minitest::Test
  include OptionsHelpers

  def returns_early(intervening)
    plugin = FakeOptions::Plugin.new
    plugin.raise_in = :fullTextEXT=
    plugin.fail_with = proc { return :early }
    KVRGUITest.on_dialog do |d|
      d.click(IDC_OPTIONS_FULL_TEXT)
      intervening.call
    end
    KVRGUI.new.KVRGUIShowOptions(plugin)
    :late
  end

  def test_a_return_through_the_dialog
    PluginThrowTest::INTERVENING.each do |what, intervening|
      kept = ["nothing", "a compacting collection"].include?(what)
      result = begin
        returns_early(intervening)
      rescue LocalJumpError
        :lost
      end
      assert_equal kept ? :early : :lost, result, what
      assert_equal [0, 0, 0], [KVRGUITest.live_dialogs, KVRGUITest.resource_depth, KVRGUITest.unhandled]
    end
  end
end
