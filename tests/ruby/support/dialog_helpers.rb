# Acting as the user of the module's dialogs through the test driver.
module DialogHelpers
  def setup
    KVRGUITest.reset
  end

  # Every call leaves no dialog object alive and the resources as they were,
  # also when an exception passed through it.
  def teardown
    assert_equal 0, KVRGUITest.live_dialogs, "dialog objects left alive"
    assert_equal 0, KVRGUITest.resource_depth, "resource scope left switched"
    KVRGUITest.reset
  end

  # Calls a KVRGUI method while the block acts as the user of its dialog.
  # Returns the method's result and what the block returned.
  def drive(method, *args)
    seen = nil
    KVRGUITest.on_dialog { |d| seen = yield(d) }
    result = KVRGUI.new.public_send(method, *args)
    [result, seen]
  end

  # Runs the method with a block that does nothing: the dialog is closed by
  # the driver as the close box would, and counted as unhandled.
  def open_and_abandon(method, *args)
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
