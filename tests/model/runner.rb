require_relative "plugin_failures"

# Draws seeded random sequences of user actions on a dialog, runs each through
# the test driver and checks every step against the dialog's model; on a
# mismatch shrinks the sequence and reports the seed, the minimal sequence and
# the command that replays it.
#
# A dialog adapter supplies: name; draw_initial(rng); model_for(initial);
# start(initial, injector) -> [fake plug-in, model, method, arguments];
# ending?(action); observe(d) and expected(model) for what the user
# sees after each step; result(model) for the method's result without
# failure; finish after each sequence. The fake plug-in answers take_calls.
class DialogModelRunner
  Case = Struct.new(:seed, :initial, :actions, :plan)
  Outcome = Struct.new(:mismatch, :steps)

  MIN_ACTIONS = 20
  MAX_ACTIONS = 60

  def initialize(adapter)
    @adapter = adapter
  end

  def draw(seed)
    rng = Random.new(seed)
    initial = @adapter.draw_initial(rng)
    plan = PluginFailures::Plan.none
    case rng.rand(4)
    when 0 then plan = PluginFailures::Plan.new(1 + rng.rand(80), PluginFailures::KINDS.sample(random: rng), {})
    when 1 then plan.gc = Array.new(3) { [1 + rng.rand(80), %i[start compact].sample(random: rng)] }.to_h
    end
    Case.new(seed, initial, draw_actions(rng, initial), plan)
  end

  # The actions are drawn against a model run alongside (no plug-in), so that
  # each is possible where it is drawn; the dialog may end before the last.
  def draw_actions(rng, initial)
    model = @adapter.model_for(initial)
    model.open
    Array.new(MIN_ACTIONS + rng.rand(MAX_ACTIONS - MIN_ACTIONS + 1)) do
      break [] if model.ended

      action = weighted(rng, model.actions)
      model.apply(action)
      action
    end.compact
  end

  # Ending actions are drawn less often, so that sequences run long.
  def weighted(rng, actions)
    weights = actions.map { |a| @adapter.ending?(a) ? 0.02 : 1.0 }
    pick = rng.rand * weights.sum
    actions.each_with_index do |action, i|
      return action if (pick -= weights[i]) <= 0
    end
    actions.last
  end

  def run(kase)
    KVRGUITest.reset
    injector = PluginFailures::Injector.new(kase.plan)
    fake, model, method, arguments = @adapter.start(kase.initial, injector)
    @failing_at = kase.plan.at
    @total = 0
    steps = 0
    mismatch = nil
    expected_open = expect(model.open)
    KVRGUITest.on_dialog do |d|
      mismatch = compare("opening", expected_open, fake.take_calls)
      kase.actions.each_with_index do |action, i|
        break if mismatch || model.ended || failed?
        next unless model.actions.include?(action) # a shrunk sequence may hold one no longer possible

        expected = expect(model.apply(action))
        perform(d, action)
        steps += 1
        where = "step #{i + 1} #{action.inspect}"
        mismatch = compare(where, expected, fake.take_calls)
        next if mismatch || model.ended || failed?

        mismatch = compare("after #{where}", @adapter.expected(model), @adapter.observe(d))
      end
      d.close unless mismatch || model.ended || failed?
    end
    outcome = begin
      catch(PluginFailures::TAG) { [:returned, KVRGUI.new.public_send(method, *arguments)] }
    rescue PluginFailures::Failure, PluginFailures::Fatal => e
      [:raised, e]
    end
    mismatch ||= check_result(outcome, injector, model)
    mismatch ||= compare("left behind (dialogs, resource scopes, unhandled, native failures)",
                         [0, 0, 0, 0],
                         [KVRGUITest.live_dialogs, KVRGUITest.resource_depth, KVRGUITest.unhandled,
                          KVRGUITest.native_failures])
    Outcome.new(mismatch, steps)
  ensure
    @adapter.finish
    KVRGUITest.reset
  end

  # Many sequences from one seed, bounded by count and seconds.
  def run_many(seed, count, seconds)
    rng = Random.new(seed)
    stop = Process.clock_gettime(Process::CLOCK_MONOTONIC) + seconds
    sequences = steps = 0
    count.times do
      break if Process.clock_gettime(Process::CLOCK_MONOTONIC) > stop

      kase = draw(rng.rand(2**31))
      note_running(kase)
      outcome = run(kase)
      sequences += 1
      steps += outcome.steps
      return [sequences, steps, report(shrink(kase))] if outcome.mismatch
    end
    [sequences, steps, nil]
  end

  # Drops actions, and the injected failures, while a mismatch remains.
  def shrink(kase, budget = 300)
    best = kase
    loop do
      smaller = candidates(best).find do |c|
        (budget -= 1).positive? && run(c).mismatch
      end
      break unless smaller

      best = smaller
    end
    best
  end

  def report(kase)
    <<~TEXT
      #{@adapter.name}: mismatch in the sequence of seed #{kase.seed}
        #{run(kase).mismatch}
        initial: #{kase.initial.inspect}
        plug-in: #{kase.plan.describe.then { |s| s.empty? ? 'no failure, no GC' : s }}
        minimal actions (#{kase.actions.size}): #{kase.actions.inspect}
        replay: KVR_DIALOG_MODEL=#{@adapter.name} KVR_DIALOG_SEED=#{kase.seed} bash scripts/run-ruby-tests.sh linux -n /DialogModel/
    TEXT
  end

  private

  # A crash ends the process before any report: the sequence that ran last
  # stays in KVR_DIALOG_SEED_FILE (when set) for the lane to name.
  def note_running(kase)
    path = ENV["KVR_DIALOG_SEED_FILE"]
    File.write(path, "KVR_DIALOG_MODEL=#{@adapter.name} KVR_DIALOG_SEED=#{kase.seed}\n") if path
  end

  def candidates(kase)
    list = []
    list << kase.dup.tap { |c| c.plan = PluginFailures::Plan.none } if kase.plan.at || kase.plan.gc.any?
    (kase.actions.size - 1).downto(0) do |i|
      list << kase.dup.tap { |c| c.actions = kase.actions.dup.tap { |a| a.delete_at(i) } }
    end
    list
  end

  # The calls an action must cause, up to the failing one when it falls
  # among them; counts them.
  def expect(calls)
    calls = calls.first(@failing_at - @total) if @failing_at && @total + calls.size >= @failing_at
    @total += calls.size
    calls
  end

  def failed?
    @failing_at && @total >= @failing_at
  end

  def perform(d, action)
    kind, *args = action
    case kind
    when :click then d.click(*args)
    when :key then d.key(*args)
    when :type then d.type(*args)
    when :close then d.close
    end
  end

  def compare(what, expected, actual)
    expected == actual ? nil : "#{what}: expected #{expected.inspect}, got #{actual.inspect}"
  end

  # What the caller gets: what the failing call raised or threw, as it would
  # without the dialog, or the dialog's own result.
  def check_result(outcome, injector, model)
    ok = if !failed?
           outcome == [:returned, @adapter.result(model)]
         elsif injector.raised.nil?
           false
         elsif outcome.is_a?(Array)
           outcome[0] == :raised && outcome[1].equal?(injector.raised)
         else
           outcome.equal?(injector.raised)
         end
    expected = failed? ? injector.raised || "a failure at call #{@failing_at}" : [:returned, @adapter.result(model)]
    ok ? nil : "result: expected #{expected.inspect}, got #{outcome.inspect}"
  end
end
