# The sample plug-in's dimension constraints, as far as the dimension editor
# reads them: a constraint between two entities of the model, the type it is
# known by, and its current value for any type (lengths in model units,
# angles in radians).
module KVR
  def self.roundAngleRAD2DEG(radians)
    (radians * 180 / Math::PI).round(2)
  end

  class KVRPreConstraint
    def initialize(entity1, entity2 = nil, type = nil)
      @entity1 = entity1
      @entity2 = entity2
      @type = type
    end

    # Two edges: a distance, measured in their plane when they share a face.
    def getConstraintType(entity1, entity2)
      entity2.nil? ? 21 : 51
    end

    def currentValue(type)
      case type
      when 21 then @entity1.length.round(2)
      when 51 then @entity2.midpoint_distance(@entity1).round(2)
      else @entity1.angle_to(@entity2)
      end
    end
  end
end

module Sketchup
  # An edge between two points, on the faces given.
  class Edge
    attr_reader :start, :finish, :faces

    def initialize(start, finish, faces = [])
      @start = start
      @finish = finish
      @faces = faces
    end

    def common_face(other)
      (faces & other.faces).first
    end

    def vector
      finish.zip(start).map { |a, b| a - b }
    end

    def length
      Math.sqrt(vector.sum { |c| c * c })
    end

    # From this edge's midpoint to the line through the other edge.
    def midpoint_distance(other)
      mid = start.zip(finish).map { |a, b| (a + b) / 2.0 }
      to_mid = mid.zip(other.start).map { |a, b| a - b }
      along = to_mid.zip(other.vector).sum { |a, b| a * b } / other.length
      Math.sqrt(to_mid.sum { |c| c * c } - along * along)
    end

    def angle_to(other)
      dot = vector.zip(other.vector).sum { |a, b| a * b }
      Math.acos(dot / (length * other.length))
    end
  end
end
