# Acting as the user of the module's dialogs through the test driver.

require_relative "resource_ids"

# The plug-in's version constants, as the About box reads them.
TAVRO_SORVANE_VERSION = "1.1".freeze unless defined?(TAVRO_SORVANE_VERSION)
TAVRO_SORVANE_BUILD = 123 unless defined?(TAVRO_SORVANE_BUILD)

module DialogHelpers
  include ResourceIds

  def setup
    KVRGUITest.reset
    @abandoned_dialogs = 0
  end

  # A pass means the test's own actions did it: every dialog was closed by the
  # test (the driver closed none left open, save those the test says it
  # abandons), no native failure was swallowed as if the user had cancelled,
  # no dialog object is left alive and the resources are as they were, also
  # when an exception passed through a call.
  def teardown
    assert_equal abandoned_dialogs, KVRGUITest.unhandled,
                 "dialogs left open for the driver to close"
    assert_equal 0, KVRGUITest.native_failures, "native failures swallowed by a method"
    assert_equal 0, KVRGUITest.live_dialogs, "dialog objects left alive"
    assert_equal 0, KVRGUITest.resource_depth, "resource scope left switched"
    KVRGUITest.reset
  end

  # Says that the test leaves count dialogs open on purpose, for the driver to
  # close as the close box would; teardown then expects exactly that many.
  def abandons_dialogs(count = 1)
    @abandoned_dialogs = abandoned_dialogs + count
  end

  def abandoned_dialogs
    @abandoned_dialogs || 0
  end

  # Calls a KVRGUI method while the block acts as the user of its dialog.
  # Returns the method's result and what the block returned.
  def drive(method, *args)
    seen = nil
    KVRGUITest.on_dialog { |d| seen = yield(d) }
    result = KVRGUI.new.public_send(method, *args)
    [result, seen]
  end

  # Calls a KVRGUI method, reads what its dialog shows with the block, then
  # closes the dialog with its close box. Returns what the block returned.
  def read_dialog(method, *args)
    drive(method, *args) { |d| yield(d).tap { d.close } }.last
  end

  # Runs the method with a block that does nothing: the dialog is closed by
  # the driver as the close box would, and counted as unhandled (and as
  # abandoned on purpose).
  def open_and_abandon(method, *args)
    abandons_dialogs
    KVRGUITest.on_dialog { |_d| }
    KVRGUI.new.public_send(method, *args)
  end

  def with_constant(name, value)
    old = Object.const_defined?(name) ? [Object.const_get(name)] : nil
    Object.send(:remove_const, name) if old
    Object.const_set(name, value) unless value == :undefined
    yield
  ensure
    Object.send(:remove_const, name) if Object.const_defined?(name)
    Object.const_set(name, old.first) if old
  end
end
