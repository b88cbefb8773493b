# The plug-in's side of the options dialog: the plug-in object (the argument
# of KVRGUIShowOptions), its data object and its options object. Every call is
# logged as [method, receiver, argument], the receiver by role (:plugin,
# :data, :options; a second options object is :options2, and so on) and the
# argument left out when there is none. The readers
# answer whatever a test stored in `values` (true, nil, 1, "true", any object);
# the writers store what they are given; any method may be made to raise, or
# to fail as fail_with does (a throw, say).
module FakeOptions
  class Failure < StandardError; end

  OPTIONS = %i[inferredConstraints inferredConstraintsRectangle inferredConstraintsPushPull
               fullText immediatelySolve fixationForVertexBySorvaneTool
               fixationForFaceBySorvaneTool autoRecalculateModel
               autoRecalculateConstraintsValues].freeze

  class Plugin
    # values: what the readers answer. defaults: what setDefaultSettings
    # restores. fresh_options: `options` builds a new options object at each
    # call and keeps no reference to it (the weak map only watches it).
    attr_reader :log, :values, :options_made, :raised
    attr_accessor :defaults, :raise_in, :fail_with

    def initialize(defaults: {}, fresh_options: false, **values)
      @log = []
      @values = all_off.merge(values)
      @defaults = defaults
      @options_made = ObjectSpace::WeakMap.new
      @made = 0
      @data = Data.new(self, fresh_options)
    end

    def note(method, role, *argument)
      @log << [method, role, *argument]
      return unless raise_in == method

      fail_with ? fail_with.call : raise(@raised = Failure.new("#{method} failed"))
    end

    def kvrSkpData
      note(:kvrSkpData, :plugin)
      @data
    end

    def applyLabelsTextStyle
      note(:applyLabelsTextStyle, :plugin)
    end

    def new_options
      @made += 1
      options = Options.new(self, @made == 1 ? :options : :"options#{@made}")
      @options_made[@made] = options
      options
    end

    # Every option not among the defaults goes off.
    def restore_defaults
      @values.replace(all_off.merge(defaults))
    end

    def all_off
      OPTIONS.to_h { |name| [name, false] }
    end

    # The log since the last call of take_log.
    def take_log
      log.shift(log.size)
    end
  end

  class Data
    def initialize(plugin, fresh)
      @plugin = plugin
      @fresh = fresh
      @options = plugin.new_options unless fresh
    end

    def options
      @plugin.note(:options, :data)
      @fresh ? @plugin.new_options : @options
    end
  end

  class Options
    def initialize(plugin, role)
      @plugin = plugin
      @role = role
    end

    OPTIONS.each do |name|
      define_method(name) do
        @plugin.note(name, @role)
        @plugin.values[name]
      end
      define_method(:"#{name}EXT=") do |value|
        @plugin.note(:"#{name}EXT=", @role, value)
        @plugin.values[name] = value
      end
    end

    def setDefaultSettings
      @plugin.note(:setDefaultSettings, @role)
      @plugin.restore_defaults
    end
  end
end
