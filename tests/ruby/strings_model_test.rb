require_relative "test_helper"
require_relative "support/strings_model"

# Generated strings files read by the module and by the reference reader:
# every quoted substring of the file gets the same answer from GetString as
# from the reference. KVR_MODEL_SEED and KVR_MODEL_FILES choose the files;
# every fourth file is long enough (over 64 KiB) that the reader meets records
# cut by the end of its block.
class StringsModelTest < Minitest::Test
  def test_the_module_reads_generated_files_as_the_rules_say
    first = Integer(ENV.fetch("KVR_MODEL_SEED", "1"))
    count = Integer(ENV.fetch("KVR_MODEL_FILES", "3"))
    (first...first + count).each do |seed|
      file = StringsModel.generate(seed, records: seed % 4 == 0 ? 900 : 120)
      expected = StringsModel.read(file)
      keys = StringsModel.quoted_substrings(file)
      got = ChildRuby.translations(file, keys)
      keys.each do |key|
        assert_equal expected.fetch(key, key), got.fetch(key).b,
                     "seed #{seed}: GetString(#{key.inspect[0, 60]})"
      end
      assert_operator expected.size, :>, 10, "seed #{seed}: the file holds pairs"
    end
  end
end
