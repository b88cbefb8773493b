# The module's C++ exceptions must stay inside it whatever MinGW runtime DLLs
# another plug-in brought into the host, before the module loaded or after.
# Each case runs in an interpreter of its own (support/foreign_runtime_child.rb);
# a process that dies on the module's first exception ends with status 3 and
# never reports.
require "test/unit"
require "rbconfig"

class ForeignRuntimeTest < Test::Unit::TestCase
  RUBY = File.join(Config::CONFIG["bindir"],
                   Config::CONFIG["ruby_install_name"] + Config::CONFIG["EXEEXT"])
  SUPPORT = File.join(File.dirname(__FILE__), "support")
  RUNTIME_DIR = ENV["KVR_LANE_RUNTIME_DIR"] or raise "KVR_LANE_RUNTIME_DIR is not set"
  RUNTIMES = %w[libgcc_s_dw2-1.dll libstdc++-6.dll libwinpthread-1.dll]

  EXPECTED_LINES = [
    "KVRGUIShowOptions: RangeError: inferredConstraints failed",
    "GetString(nil): TypeError",
    "KVRGUIShowError: IOError: to_s failed",
    "alive",
  ]

  def run_child(dll, moment)
    command = [RUBY, "-I", SUPPORT, File.join(SUPPORT, "foreign_runtime_child.rb"), dll, moment]
    output = IO.popen(command.map { |word| %("#{word}") }.join(" ") + " 2>&1") { |io| io.read }
    [$?.exitstatus, output.split(/\r?\n/)]
  end

  def assert_survives(dll, moment, libgcc_expected)
    status, lines = run_child(dll, moment)
    where = "#{File.basename(dll)} loaded #{moment} the module"
    assert_equal [0, "libgcc loaded: #{libgcc_expected}", *EXPECTED_LINES],
                 [status, *lines], "#{where}: exit status and report"
  end

  def test_with_no_runtime_loaded
    assert_survives("none", "before", false)
  end

  # libstdc++-6 brings libgcc_s_dw2-1 with it; libwinpthread-1 does not.
  RUNTIMES.each do |name|
    libgcc = name != "libwinpthread-1.dll"
    %w[before after].each do |moment|
      define_method("test_#{name.sub(/\.dll\z/, '').gsub(/[^a-z0-9]+/, '_')}_loaded_#{moment}") do
        assert_survives(File.join(RUNTIME_DIR, name), moment, libgcc)
      end
    end
  end
end
