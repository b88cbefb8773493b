require_relative "test_helper"
require_relative "support/dialog_helpers"
require_relative "../model/runner"
require_relative "../model/options_adapter"
require_relative "../model/editor_adapter"
require_relative "../model/message_adapter"

# The dialogs against their models: seeded random sequences of user actions,
# random plug-in values and failures, every step checked. The seed is fresh
# each run and printed first; KVR_DIALOG_SEED replays one sequence,
# KVR_DIALOG_MODEL picks one dialog, KVR_DIALOG_SEQUENCES and
# KVR_DIALOG_SECONDS bound the run per dialog.
class DialogModelTest < Minitest::Test
  include DialogHelpers

  ADAPTERS = [OptionsAdapter, EditorAdapter, *%i[error hlink about].map { |d| MessageAdapter.new(d) }].freeze
  SEED = Integer(ENV.fetch("KVR_MODEL_SEED", Random.new_seed % 2**31))
  SEQUENCES = Integer(ENV.fetch("KVR_DIALOG_SEQUENCES", "40"))
  # Under GC.stress every native call collects: a few seconds per dialog.
  SECONDS = Float(ENV.fetch("KVR_DIALOG_SECONDS", GCStress.enabled? ? "3" : "30"))
  puts "dialog models: KVR_MODEL_SEED=#{SEED}" unless ENV["KVR_DIALOG_SEED"]

  ADAPTERS.each do |adapter|
    define_method("test_the_#{adapter.name}_dialog_against_its_model") do
      skip "KVR_DIALOG_MODEL picks another dialog" if ENV["KVR_DIALOG_MODEL"] &&
                                                        ENV["KVR_DIALOG_MODEL"] != adapter.name
      runner = DialogModelRunner.new(adapter)
      if ENV["KVR_DIALOG_SEED"]
        kase = runner.draw(Integer(ENV["KVR_DIALOG_SEED"]))
        failure = runner.run(kase).mismatch && runner.report(runner.shrink(kase))
        assert failure.nil?, failure
        return
      end
      sequences, steps, failure = runner.run_many(SEED, SEQUENCES, SECONDS)
      puts "\n#{adapter.name} model: KVR_MODEL_SEED=#{SEED}: #{sequences} sequences, #{steps} steps"
      assert failure.nil?, failure
    end
  end
end
