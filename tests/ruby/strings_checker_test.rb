require_relative "test_helper"
require_relative "support/strings_model"
require "json"
require "open3"
require "tmpdir"

# kvr-strings, the translators' checker, against the module itself: on
# generated files, the pairs it says the module keeps are exactly what
# GetString answers. KVR_MODEL_SEED and KVR_MODEL_FILES choose the files.
class StringsCheckerTest < Minitest::Test
  TOOL = File.join(File.dirname(ModulePath.so), Gem.win_platform? ? "kvr-strings.exe" : "kvr-strings")

  def run_tool(*args, file: nil)
    Dir.mktmpdir("kvr-check") do |dir|
      path = File.join(dir, "kvr.strings")
      File.binwrite(path, file) if file
      out, err, status = Open3.capture3(TOOL, *args.map { |a| a == :file ? path : a }, binmode: true)
      [out, err, status.exitstatus, path]
    end
  end

  def test_the_checker_keeps_exactly_what_the_module_keeps
    assert File.exist?(TOOL), "#{TOOL} is built with the module"
    first = Integer(ENV.fetch("KVR_MODEL_SEED", "1"))
    count = Integer(ENV.fetch("KVR_MODEL_FILES", "3"))
    (first...first + count).each do |seed|
      file = StringsModel.generate(seed)
      out, err, status = run_tool("check", "--json", :file, file: file)
      assert_includes [0, 1], status, "seed #{seed}: #{err}"
      report = JSON.parse(out)
      kept = report["pairs"].to_h { |p| [[p["keyHex"]].pack("H*"), [p["textHex"]].pack("H*")] }
      keys = (StringsModel.quoted_substrings(file) + kept.keys).uniq
      got = ChildRuby.translations(file, keys)
      keys.each do |key|
        assert_equal kept.fetch(key, key), got.fetch(key).b, "seed #{seed}: #{key.inspect[0, 60]}"
      end
      assert_operator kept.size, :>, 10, "seed #{seed}: the file holds pairs"
      # Every lost text is reported, so a file with traps is never passed.
      assert_equal 1, status, "seed #{seed}"
    end
  end

  def test_the_command_line
    out, _, status, path = run_tool("check", :file, file: %("OK" = "Oui";\n"Cancel" = "Non" // x;\n))
    assert_equal 1, status
    assert_includes out.lines, "#{path}:2:18: skipped: this comment runs up to the ';' with no line " \
                               "break, so the module skips the whole record: put the ';' before the comment\n"
    assert_match(%r{^#{Regexp.escape(path)}: 1/\d+ module texts translated, 0 same as English, \d+ not in the file; 1 text lost, 0 texts shadowed$}, out)

    out, _, status = run_tool("check", "--json", :file, file: "\"OK\" = \"Oui\";")
    assert_equal [0, "Oui", 0], [status, JSON.parse(out)["pairs"][0]["text"], JSON.parse(out)["exitStatus"]]

    _, err, status = run_tool("check", :file)
    assert_equal 2, status, err
    _, err, status = run_tool("frobnicate")
    assert_equal 2, status
    assert_match(/usage: kvr-strings/, err)

    out, _, status = run_tool("template")
    assert_equal 0, status
    assert_includes out, %(// Options dialog: check box, two lines\n"Update geometry after editing Sorvane" = ) +
                         %("Update geometry after editing Sorvane";\n)
  end

  # template never writes into the file it reads, whichever way the output is
  # sent there; -o updates it in place through a file renamed over it.
  def test_template_keeps_the_file_it_reads
    Dir.mktmpdir("kvr-template") do |dir|
      path = File.join(dir, "kvr.strings")
      mine = %("OK" = "Oui";\n"Mine" = "Le mien";\n).b
      File.binwrite(path, mine)
      refute system(TOOL, "template", path, out: [path, "ab"], err: File::NULL)
      assert_equal [2, mine], [$?.exitstatus, File.binread(path)], "appended to itself"
      out, err, status = run_tool("template", path, "-o", path)
      assert_equal [0, "", ""], [status, out, err]
      updated = File.binread(path)
      assert updated.start_with?(mine), updated[0, 80]
      assert_includes updated, %("Cancel" = "Cancel";)
      assert_equal ["kvr.strings"], Dir.children(dir), "no file left beside it"
      # A fresh template over a translation is refused too.
      _, err, status = run_tool("template", "-o", path)
      assert_equal 2, status
      assert_includes err, "template #{path} -o #{path}"
      assert_equal updated, File.binread(path)
      # The shell empties the file before the tool starts: refused, and said.
      err_file = File.join(dir, "err")
      refute system(TOOL, "template", path, out: [path, "wb"], err: err_file)
      assert_equal 2, $?.exitstatus
      assert_includes File.read(err_file), "the shell emptied it"
    end
  end

  def test_a_utf16_file_is_named_by_its_encoding
    utf16 = "\uFEFF\"OK\" = \"Oui\";\n\"Cancel\" = \"Non\";\n".encode("UTF-16LE").b
    out, _, status = run_tool("check", :file, file: utf16)
    assert_equal 1, status
    assert_equal 1, out.lines.grep(/UTF-16/).size, out
    refute_match(/duplicate/, out)
  end
end
