require_relative "../ruby/support/fake_constraints"
require_relative "editor_model"

# The dimension editor for the runner: the plug-in's fake constraints, whose
# every call the injector sees, a random constraint, and what the user sees.
module EditorAdapter
  # The fakes log every call through KVR.log; the runner's injector (when one
  # is set) counts it there.
  module Injected
    attr_accessor :injector

    def log(receiver, method, args)
      super
      injector&.call_made
    end
  end
  KVR.singleton_class.prepend(Injected)

  class Calls
    def take_calls
      KVR.calls.shift(KVR.calls.size)
    end
  end

  module_function

  def name
    "editor"
  end

  # A type of the table, a pre-constraint or not (kind_of? answering a true
  # value other than true, or false), entities that are edges sharing a face
  # or not, or no entities; a value for every type, now and then nil.
  def draw_initial(rng)
    type = EditorModel::TYPES.keys.sample(random: rng)
    pre = rng.rand(4).positive?
    entities = rng.rand(5).positive?
    edges = entities && rng.rand(3).positive?
    values = EditorModel::TYPES.keys.to_h { |t| [t, rng.rand(8).zero? ? nil : (1 + rng.rand(3000)) / 100.0] }
    [{ type: type, pre: pre, kind_answer: pre ? true : [false, 1, "yes", nil].sample(random: rng),
       entities: entities, edges: edges, share_face: rng.rand(2).zero?, values: values },
     %w[Width d1 Höhe].sample(random: rng)]
  end

  def model_for(initial)
    EditorModel.new(*initial)
  end

  def start(initial, injector)
    drawn, name = initial
    KVR.calls.clear
    KVR.raise_in = nil
    KVR.injector = injector
    [Calls.new, model_for(initial), :KVRGUIShowConstraint, [[constraint(drawn), name]]]
  end

  def constraint(drawn)
    faces = drawn[:share_face] ? [%i[top], %i[top]] : [%i[top], %i[side]]
    e1, e2 = drawn[:edges] ? faces.each_with_index.map { |f, i| Sketchup::Edge.new("e#{i + 1}", f) }
                          : [Sketchup::Entity.new("e1"), Sketchup::Edge.new("e2", [:top])]
    e1 = e2 = nil unless drawn[:entities]
    values = drawn[:values].transform_values { |v| v && KVR::Measure.new(v) }
    options = { entity1: e1, entity2: e2, values: values, kind_answer: drawn[:kind_answer] }
    if drawn[:pre]
      KVR::KVRPreConstraint.new("c", type: drawn[:type], **options)
    else
      KVR::KVRConstraint.new("c", type: drawn[:type], **options, values: values.fetch(drawn[:type]))
    end
  end

  def finish
    KVR.injector = nil
  end

  def ending?(action)
    [[:click, EditorModel::OK], [:click, EditorModel::CANCEL], [:key, :escape], [:key, :enter],
     [:close]].include?(action)
  end

  def expected(model)
    model.shown
  end

  def observe(d)
    { caption: d.caption, name: d.text(EditorModel::NAME), value: d.text(EditorModel::VALUE),
      label: d.text(2084), checked: [d.checked?(EditorModel::DISTANCE), d.checked?(EditorModel::ANGLE)],
      enabled: [d.enabled?(EditorModel::DISTANCE), d.enabled?(EditorModel::ANGLE)],
      focus: d.focus, selection: d.selection(EditorModel::VALUE) }
  end

  def result(model)
    model.result
  end
end
