require 'test/unit'
require 'fake_plugin'
require 'outside_driver'
require 'translations'
require 'dialog_cases'

# Loads the module into this interpreter, once, with or without a strings
# file (the module reads it at load time, so each language needs its own
# interpreter), and turns the entries of DialogCases into tests: each entry
# runs its call while the outside driver acts, then every state, the result
# or the exception, the plug-in's calls and the opened links are compared
# with the entry.
module DialogLane
  class << self
    attr_reader :translations, :load_calls
  end

  def self.load_module(strings_file)
    Sketchup.resource_dir = strings_file ? File.dirname(strings_file) : Paths.scratch
    @translations = Translations.new(strings_file)
    $LOAD_PATH.unshift(Paths.module_dir)
    require 'kvr_gui'
    @load_calls = PluginLog.take
  end

  # Defines test_NN_<entry name> on the test class for every entry of the
  # table (pass :all), only those marked :everywhere, or only those whose
  # call raises (:raising); with gc_stress the collector runs at every
  # allocation during each call.
  def self.define_tests(test_class, label, pass, gc_stress = false)
    DialogCases.all(translations).each_with_index do |entry, index|
      next unless pass == :all || (pass == :raising ? entry[:raises] : entry[:everywhere])
      name = "test_#{label}_#{format('%02d', index)}_#{entry[:name].gsub(/\W+/, '_')}"
      test_class.send(:define_method, name) { run_entry(entry, gc_stress) }
    end
  end

  module Runner
    def run_entry(entry, gc_stress)
      PluginLog.take
      result, report, error = OutsideDriver.run(entry[:script]) do
        with_gc_stress(gc_stress) { entry[:call].call(KVRGUI.new) }
      end
      calls = PluginLog.take
      check_error(entry[:raises], error)
      assert_equal [], report['errors'], 'driver errors'
      assert_equal false, report['closed_by_driver'], 'the dialog was left open for the driver to close'
      states = report['states']
      assert_equal entry[:states].size, states.size, 'states recorded'
      entry[:states].each_with_index { |expected, i| check_state(expected, states[i]) }
      assert_equal entry[:result], result, 'result'
      assert_equal entry[:log] || [], calls, "the plug-in's calls"
      assert_equal entry[:urls] || [], report['urls'], 'links opened'
    end

    # The exception the call should have raised, as [class name, message].
    def check_error(expected, error)
      raise error if error && !expected
      return unless expected
      assert_equal expected, error && [error.class.name, error.message], 'exception from the call'
    end

    def with_gc_stress(on)
      return yield unless on
      before = GC.stress
      GC.stress = true
      begin
        yield
      ensure
        GC.stress = before
      end
    end

    def check_state(expected, seen)
      where = "after #{seen['after']}"
      state = seen['state']
      return assert_nil(state, "#{where}: the dialog is still open") if expected == :closed
      assert_not_nil state, "#{where}: the dialog closed"
      controls = {}
      state['controls'].each { |c| controls[c['id']] = c }
      assert_equal expected[:caption], state['caption'], "#{where}: caption" if expected[:caption]
      assert_equal expected[:focus], state['focus'], "#{where}: focus" if expected[:focus]
      (expected[:texts] || {}).each do |id, text|
        assert_equal text, (controls[id] || {})['text'], "#{where}: text of #{id}"
      end
      (expected[:selection] || {}).each do |id, range|
        assert_equal range, (controls[id] || {})['selection'], "#{where}: selection of #{id}"
      end
      check_set(expected[:checked], controls, where, 'checked') { |c| c['checked'] }
      check_set(expected[:disabled], controls, where, 'disabled') { |c| !c['enabled'] }
      check_set(expected[:hidden], controls, where, 'hidden') { |c| !c['visible'] }
    end

    def check_set(expected, controls, where, what)
      return unless expected
      ids = controls.values.select { |c| yield(c) }.map { |c| c['id'] }
      assert_equal expected.sort, ids.sort, "#{where}: #{what}"
    end
  end
end
