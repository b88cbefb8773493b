# The entries that run everywhere, with the sample French strings file.
$LOAD_PATH.unshift(File.join(File.dirname(__FILE__), 'support'))
require 'dialog_lane'

DialogLane.load_module(Paths.french_strings)

class DialogsFrenchTest < Test::Unit::TestCase
  include DialogLane::Runner

  def test_the_sample_file_is_read_and_translates
    assert !DialogLane.translations.empty?
    assert_equal DialogLane.translations['Cancel'], KVRGUI_LangHandler.new.GetString('Cancel')
    assert_not_equal 'Cancel', DialogLane.translations['Cancel']
  end

  DialogLane.define_tests(self, 'french', :everywhere)
end
