# The host and plug-in as the module meets them in the real application,
# written for Ruby 1.8: the host finds the strings file in a folder the test
# chooses, and the plug-in's options object and constraints note every call
# the module makes in one log, as "receiver.method(arguments)" strings.
module Sketchup
  class << self
    attr_accessor :resource_dir
  end

  def self.get_resource_path(name)
    PluginLog.note("Sketchup.get_resource_path(#{name})")
    File.join(resource_dir, name)
  end

  def self.is_valid_filename?(path)
    PluginLog.note('Sketchup.is_valid_filename?')
    File.file?(path)
  end

  # An edge of the model, on the faces given.
  class Edge
    attr_reader :faces

    def initialize(faces)
      @faces = faces
    end

    def common_face(other)
      PluginLog.note('edge.common_face')
      (faces & other.faces).first
    end
  end
end

module PluginLog
  def self.entries
    @entries ||= []
  end

  def self.note(entry)
    entries << entry
  end

  # The entries since the last take.
  def self.take
    taken = entries.dup
    entries.clear
    taken
  end
end

TAVRO_SORVANE_VERSION = '1.3.7'
TAVRO_SORVANE_BUILD = 1729

module KVR
  class PluginFailure < StandardError; end

  def self.roundAngleRAD2DEG(radians)
    PluginLog.note("KVR.roundAngleRAD2DEG")
    (radians * 18000 / Math::PI).round / 100.0
  end

  # A pre-constraint between two edges; currentValue answers from a table by
  # type (lengths, angles in radians).
  class KVRPreConstraint
    def initialize(type, values, shared_face = true)
      @entity1 = Sketchup::Edge.new([:top])
      @entity2 = Sketchup::Edge.new(shared_face ? [:top] : [:side])
      @type = type
      @values = values
    end

    # An exception in the table is raised, as a failing plug-in would.
    def currentValue(type)
      PluginLog.note("constraint.currentValue(#{type})")
      value = @values.fetch(type)
      raise value if value.is_a?(Exception)
      value
    end
  end

  class Options
    NAMES = %w(inferredConstraints inferredConstraintsRectangle inferredConstraintsPushPull
               fullText immediatelySolve fixationForVertexBySorvaneTool
               fixationForFaceBySorvaneTool autoRecalculateModel autoRecalculateConstraintsValues)

    # failing: the name of a writer that raises PluginFailure.
    def initialize(values, defaults, failing)
      @values = values
      @defaults = defaults
      @failing = failing
    end

    NAMES.each do |name|
      define_method(name) do
        PluginLog.note("options.#{name}")
        @values[name]
      end
      define_method("#{name}EXT=") do |value|
        PluginLog.note("options.#{name}EXT=(#{value.inspect})")
        raise PluginFailure, "#{name} cannot be written" if @failing == "#{name}EXT="
        @values[name] = value
      end
    end

    def setDefaultSettings
      PluginLog.note('options.setDefaultSettings')
      @values.replace(@defaults.dup)
    end
  end

  # The object handed to KVRGUIShowOptions. Its data object (kvrSkpData) is
  # itself, whose options are the options object.
  class Plugin
    def initialize(values, defaults = {}, failing = nil)
      all_off = {}
      Options::NAMES.each { |name| all_off[name] = false }
      @options = Options.new(all_off.merge(values), all_off.merge(defaults), failing)
    end

    def kvrSkpData
      PluginLog.note('plugin.kvrSkpData')
      self
    end

    def options
      PluginLog.note('data.options')
      @options
    end

    def applyLabelsTextStyle
      PluginLog.note('plugin.applyLabelsTextStyle')
    end
  end
end
