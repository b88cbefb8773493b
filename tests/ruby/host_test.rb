require_relative "test_helper"

# How the module asks the host for the strings file, and what it makes of odd
# answers. A refusal of any kind leaves every text in English.
class HostTest < Minitest::Test
  FRENCH = %("OK" = "D'accord";)

  def test_asks_for_the_path_then_confirms_it
    result = ChildRuby.run("KVRGUI_LangHandler.new.GetString('OK')", strings: FRENCH)
    assert_equal "D'accord", result["value"]
    name, path = result["calls"]
    assert_equal [:get_resource_path, "kvr.strings"], name
    assert_equal :is_valid_filename?, path[0]
    assert_equal "kvr.strings", File.basename(path[1])
  end

  def test_only_exactly_true_confirms_the_path
    ["false", "nil", "1", "'true'", "Object.new"].each do |answer|
      got = ChildRuby.translations(FRENCH, ["OK"], host: { valid_answer: answer })
      assert_equal "OK", got["OK"], "is_valid_filename? answering #{answer}"
    end
  end

  def test_odd_paths_are_refused_without_harm
    ["42", "nil", "'x' * 1024", "'/no/such/dir/kvr.strings'", "String.new"].each do |path|
      got = ChildRuby.translations(FRENCH, ["OK"], host: { path_answer: path, valid_answer: "true" })
      assert_equal "OK", got["OK"], "get_resource_path answering #{path}"
    end
  end

  def test_a_path_just_under_the_limit_is_used
    skip "Windows file names end at 260 characters" if Gem.win_platform?
    Dir.mktmpdir do |dir|
      deep = dir
      deep = File.join(deep, "d" * [200, 1000 - deep.length].min) while deep.length < 990
      assert_operator File.join(deep, "kvr.strings").bytesize, :<=, 1023
      got = ChildRuby.translations(FRENCH, ["OK"], resource_dir: deep)
      assert_equal "D'accord", got["OK"]
    end
  end

  def test_a_resource_folder_with_non_ascii_characters
    Dir.mktmpdir do |dir|
      folder = File.join(dir, "Ressources fran\u00E7aises \u65E5\u672C")
      got = ChildRuby.translations(FRENCH, ["OK"], resource_dir: folder)
      assert_equal "D'accord", got["OK"]
    end
  end

  def test_an_exception_of_the_host_does_not_stop_loading
    %w[get_resource_path is_valid_filename?].each do |method|
      result = ChildRuby.run(DEFINED, strings: FRENCH, host: { raises_in: method })
      assert_equal "OK", result["value"][2], "#{method} raising leaves English"
      assert_equal "nil", result["pending"], "#{method}: no exception left pending"
      assert_nil result["load"]
    end
  end

  DEFINED = "[KVRGUI.instance_methods(false).sort, KVRGUI_LangHandler.instance_methods(false), " \
            "KVRGUI_LangHandler.new.GetString('OK')]".freeze

  # A request to stop (exit, Ctrl-C) or a throw while the host answers reaches
  # the caller of require, once the module is complete and in English.
  def test_a_request_to_stop_is_not_swallowed
    complete = ChildRuby.run(DEFINED)["value"]
    { "exit 3" => "SystemExit", "raise Interrupt" => "Interrupt",
      "raise NoMemoryError" => "NoMemoryError", "throw :kvr_stop" => "thrown" }.each do |how, seen|
      result = ChildRuby.run(DEFINED, strings: FRENCH,
                                      host: { raises_in: "is_valid_filename?", raise_with: how })
      assert_equal seen, result["load"], how
      assert_equal complete, result["value"], how
    end
  end

  # A confirmed path that names no regular file is not read: a FIFO would block
  # in open, a device would be read without end. Each counts as not found.
  def test_only_regular_files_are_read
    paths = Gem.win_platform? ? %w[NUL CON] : ["/dev/zero", "/dev/urandom", Dir.tmpdir]
    Dir.mktmpdir do |dir|
      unless Gem.win_platform?
        fifo = File.join(dir, "kvr.strings")
        File.mkfifo(fifo)
        paths << fifo
      end
      paths.each do |path|
        got = ChildRuby.translations(nil, ["OK"], timeout: 15,
                                     host: { path_answer: path.inspect, valid_answer: "true" })
        assert_equal "OK", got["OK"], path
      end
    end
  end
end
