require "rbconfig"
require "tmpdir"
require "open3"
require "fileutils"

# Loads the module into a fresh interpreter, with a strings file of the given
# content (or none), and returns what the script evaluated to there. The file
# is read only once, when the module loads, so every strings file needs its
# own interpreter.
module ChildRuby
  MAIN = File.expand_path("child_main.rb", __dir__)

  # strings: the file's bytes, or nil for no file. host: extra settings of the
  # fake host (valid_answer:, path_answer:, raises_in:, raise_with:, as Ruby source). A child
  # that has not finished after timeout seconds is killed and reported.
  def self.run(script, strings: nil, host: {}, resource_dir: nil, timeout: 60)
    Dir.mktmpdir("kvr-child") do |dir|
      resource_dir ||= dir
      FileUtils.mkdir_p(resource_dir)
      File.binwrite(File.join(resource_dir, "kvr.strings"), strings) if strings
      env = { "KVR_HOST_RESOURCE_DIR" => resource_dir, "KVR_CHILD_SCRIPT" => script }
      env["KVR_HOST_VALID_ANSWER"] = host[:valid_answer] if host.key?(:valid_answer)
      env["KVR_HOST_PATH_ANSWER"] = host[:path_answer] if host.key?(:path_answer)
      env["KVR_HOST_RAISES_IN"] = host[:raises_in] if host.key?(:raises_in)
      env["KVR_HOST_RAISE_WITH"] = host[:raise_with] if host.key?(:raise_with)
      out, err, status = capture(env, timeout)
      line = out.lines.find { |l| l.start_with?("KVR-RESULT ") }
      raise "child interpreter failed (#{status.inspect}):\n#{out}\n#{err}" unless line
      result = Marshal.load([line.split(" ", 2).last.strip].pack("H*"))
      raise "child raised #{result['error']}" if result["error"]
      # A native failure swallowed in the child would pass for a quiet result.
      raise "child swallowed #{result['native_failures']} native failures" if result["native_failures"] != 0
      result
    end
  end

  # Runs main (MAIN unless told); stdout, stderr and the status, or raises
  # once the time is up.
  def self.capture(env, timeout, main = MAIN)
    Open3.popen3(env, RbConfig.ruby, main) do |stdin, stdout, stderr, child|
      stdin.close
      [stdout, stderr].each(&:binmode)
      readers = [stdout, stderr].map { |io| Thread.new { io.read } }
      unless child.join(timeout)
        Process.kill(:KILL, child.pid)
        child.join
        raise "child interpreter did not finish within #{timeout}s"
      end
      [readers[0].value, readers[1].value, child.value]
    end
  end

  # The translations GetString gives for the keys, with the given strings file.
  def self.translations(strings, keys, **options)
    script = "h = KVRGUI_LangHandler.new; #{keys.inspect}.map { |k| h.GetString(k) }"
    values = run(script, strings: strings, **options)["value"]
    keys.zip(values).to_h
  end
end
