# With KVR_GC_STRESS set, every method the module defines natively runs with
# GC.stress on: the collector runs at every allocation, so that a Ruby value
# the module holds where the collector cannot see it is freed at once.
module GCStress
  def self.around
    before = GC.stress
    GC.stress = true
    yield
  ensure
    GC.stress = before
  end

  def self.without
    before = GC.stress
    GC.stress = false
    yield
  ensure
    GC.stress = before
  end

  # Wraps the native methods of each class or module (instance methods; for a
  # module, its singleton methods) in GCStress.around, keeping their arity.
  def self.wrap(*owners)
    owners.each do |owner|
      wrapper = Module.new
      owner.instance_methods(false).each do |name|
        method = owner.instance_method(name)
        next unless method.source_location.nil?

        params = method.arity.negative? ? ["*args"] : Array.new(method.arity) { |i| "a#{i}" }
        params = (params + ["&block"]).join(", ")
        wrapper.module_eval(<<~RUBY, __FILE__, __LINE__ + 1)
          def #{name}(#{params})
            GCStress.around { super(#{params}) }
          end
        RUBY
      end
      owner.prepend(wrapper)
    end
  end

  # The test's own code in a driver block runs without the stress (it acts
  # as the user, outside the module); the driver's methods it calls are
  # native and wrapped.
  module UnstressedBlocks
    def on_dialog(&block)
      super() { |dialog| GCStress.without { block.call(dialog) } }
    end
  end

  def self.wrap_module_methods
    wrap(KVRGUI, KVRGUI_LangHandler)
    return unless defined?(KVRGUITest)

    wrap(KVRGUITest.singleton_class, KVRGUITest::Dialog)
    KVRGUITest.singleton_class.prepend(UnstressedBlocks)
  end

  def self.enabled?
    !ENV.fetch("KVR_GC_STRESS", "").empty?
  end
end
