# The sample plug-in's options, as the options dialog reaches them: the
# plug-in object handed to KVRGUIShowOptions, its data object and its options
# object, which starts from the plug-in's defaults. Every call the module makes
# is noted in KVR.option_calls.
module KVR
  OPTION_DEFAULTS = {
    inferredConstraints: true, inferredConstraintsRectangle: true,
    inferredConstraintsPushPull: true, fullText: false, immediatelySolve: true,
    fixationForVertexBySorvaneTool: false, fixationForFaceBySorvaneTool: false,
    autoRecalculateModel: false, autoRecalculateConstraintsValues: true
  }.freeze

  def self.option_calls
    @option_calls ||= []
  end

  class Options
    def initialize
      @values = OPTION_DEFAULTS.dup
    end

    OPTION_DEFAULTS.each_key do |name|
      define_method(name) do
        KVR.option_calls << "options.#{name}"
        @values[name]
      end
      define_method(:"#{name}EXT=") do |value|
        KVR.option_calls << "options.#{name}EXT=(#{value})"
        @values[name] = value
      end
    end

    def setDefaultSettings
      KVR.option_calls << "options.setDefaultSettings"
      @values = OPTION_DEFAULTS.dup
    end
  end

  class Data
    def options
      KVR.option_calls << "data.options"
      @options ||= Options.new
    end
  end

  class Plugin
    def kvrSkpData
      KVR.option_calls << "plugin.kvrSkpData"
      @data ||= Data.new
    end

    def applyLabelsTextStyle
      KVR.option_calls << "plugin.applyLabelsTextStyle"
    end
  end
end
