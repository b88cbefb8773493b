require_relative "../ruby/support/fake_options"
require_relative "options_model"

# The options dialog for the runner: a logging plug-in whose calls the
# injector sees, random option values, and what the user sees.
module OptionsAdapter
  # Readers' answers: true counts as set; every other value, truthy or not,
  # as not set.
  ANSWERS = [true, false, nil, 1, "true", :yes, 0].freeze

  class Plugin < FakeOptions::Plugin
    def initialize(injector, values, defaults)
      super(defaults: defaults, **values)
      @injector = injector
    end

    def note(method, role, *argument)
      @log << [method, role, *argument]
      @injector.call_made
    end

    alias take_calls take_log
  end

  module_function

  def name
    "options"
  end

  def draw_initial(rng)
    options = FakeOptions::OPTIONS
    values = options.to_h { |o| [o, ANSWERS.sample(random: rng)] }
    defaults = options.select { rng.rand(2).zero? }.to_h { |o| [o, ANSWERS.sample(random: rng)] }
    [values, defaults]
  end

  def model_for(initial)
    OptionsModel.new(*initial)
  end

  def start(initial, injector)
    values, defaults = initial
    plugin = Plugin.new(injector, values, defaults)
    [plugin, model_for(initial), :KVRGUIShowOptions, [plugin]]
  end

  def finish; end

  def ending?(action)
    [[:click, OptionsModel::OK], [:key, :escape], [:key, :enter], [:close]].include?(action)
  end

  def expected(model)
    [model.shown_marks, model.focus]
  end

  def observe(d)
    boxes = OptionsModel::BOXES.keys.select { |id| d.checked?(id) }.sort
    radios = OptionsModel::RADIOS.select { |id| d.checked?(id) }
    [[boxes, radios.size == 1 ? radios.first : radios], d.focus]
  end

  def result(_model)
    nil
  end
end
