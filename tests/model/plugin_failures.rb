# What the runner injects into the plug-in's calls: a failure of one kind at
# one call (counted from the first call of the method), and garbage
# collections inside others.
module PluginFailures
  class Failure < StandardError; end
  class Fatal < Exception; end # rubocop:disable Lint/InheritException

  KINDS = %i[standard exception throw].freeze
  TAG = :kvr_model_throw

  # at: the failing call's number, kind: one of KINDS; gc: { call number =>
  # :start or :compact }.
  Plan = Struct.new(:at, :kind, :gc) do
    def self.none
      new(nil, nil, {})
    end

    def describe
      [(at && "#{kind} at call #{at}"), (gc.empty? ? nil : "GC #{gc}")].compact.join(", ")
    end
  end

  # Counts the calls and acts on the plan; remembers what it raised or threw.
  class Injector
    attr_reader :raised, :count

    def initialize(plan)
      @plan = plan
      @count = 0
      @raised = nil
    end

    def call_made
      @count += 1
      collect(@plan.gc[@count])
      fail_now if @plan.at == @count
    end

    private

    def collect(how)
      return unless how

      GC.start
      GC.compact if how == :compact && GC.respond_to?(:compact)
    rescue NotImplementedError
      nil # a platform without compaction: the full collection stands
      GC.compact if how == :compact && GC.respond_to?(:compact)
    end

    def fail_now
      case @plan.kind
      when :standard then raise(@raised = Failure.new("call #{@count} failed"))
      when :exception then raise(@raised = Fatal.new("call #{@count} failed"))
      else throw TAG, (@raised = Object.new)
      end
    end
  end
end
