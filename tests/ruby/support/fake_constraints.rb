# A stand-in for the plug-in's side of the dimension editor: its constraint
# classes, KVR.roundAngleRAD2DEG, and the host's edges with their faces. Every
# call the module makes is logged in KVR.calls as [receiver, method, arguments],
# objects by their labels, so that a test can compare the whole conversation.
# Any fake can be told to raise in one of its methods.
require_relative "fake_sketchup"

module KVR
  class PluginFailure < StandardError; end

  class << self
    attr_accessor :raise_in
    attr_reader :last_failure

    def calls
      @calls ||= []
    end

    def log(receiver, method, args)
      calls << [label_of(receiver), method, args.map { |a| label_of(a) }]
      return unless receiver.respond_to?(:raise_in) && receiver.raise_in == method

      @last_failure = PluginFailure.new("#{method} failed")
      raise @last_failure
    end

    def label_of(object)
      object.respond_to?(:label) ? object.label : object
    end

    def label
      "KVR"
    end

    # Degrees rounded to a tenth; a Measure stays a Measure.
    def roundAngleRAD2DEG(radians)
      log(self, :roundAngleRAD2DEG, [radians])
      degrees = (radians.to_f * 180 / Math::PI).round(1)
      radians.is_a?(Measure) ? Measure.new(degrees) : degrees
    end
  end

  # Logs the calls the module makes on an object; kind_of? answers as told.
  module Logged
    attr_reader :label
    attr_accessor :raise_in

    def kind_of?(klass)
      KVR.log(self, :kind_of?, [klass])
      defined?(@kind_answer) ? @kind_answer : super
    end
  end

  # A value whose to_s the module calls (and the log shows).
  Measure = Struct.new(:number) do
    attr_accessor :raise_in

    def label
      "measure #{number}"
    end

    def to_f
      number.to_f
    end

    def to_s
      KVR.log(self, :to_s, [])
      number.to_s
    end
  end

  # What both kinds of constraint share. values: what currentValue answers,
  # by type (a Hash) or for any type. on_value: run after each currentValue.
  # Options left out leave the instance variables unset, as the plug-in may.
  module FakeConstraint
    include Logged

    def initialize(label, values: {}, on_value: nil, **ivars)
      @label = label
      @values = values
      @on_value = on_value
      @kind_answer = ivars.delete(:kind_answer) if ivars.key?(:kind_answer)
      ivars.each { |name, value| instance_variable_set("@#{name}", value) }
    end

    def currentValue(*type)
      KVR.log(self, :currentValue, type)
      value = @values.is_a?(Hash) ? @values.fetch(type.first) : @values
      @on_value&.call
      value
    end
  end

  class KVRPreConstraint
    include FakeConstraint

    def initialize(label, derived_type: nil, **options)
      super(label, **options)
      @derived_type = derived_type
    end

    def getConstraintType(entity1, entity2)
      KVR.log(self, :getConstraintType, [entity1, entity2])
      @derived_type
    end
  end

  # A constraint that is not a pre-constraint: it answers `type`, and
  # currentValue without arguments.
  class KVRConstraint
    include FakeConstraint

    def initialize(label, type:, **options)
      super(label, **options)
      @type_answer = type
    end

    def type
      KVR.log(self, :type, [])
      @type_answer
    end
  end
end

module Sketchup
  # An entity of the model that is not an edge (a vertex, a face).
  class Entity
    include KVR::Logged

    def initialize(label)
      @label = label
    end
  end

  # An edge of the host, on the faces given.
  class Edge
    include KVR::Logged
    attr_reader :faces

    def initialize(label, faces = [])
      @label = label
      @faces = faces
    end

    def common_face(other)
      KVR.log(self, :common_face, [other])
      (faces & other.faces).first
    end
  end
end
