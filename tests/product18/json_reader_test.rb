# The reader of the driver's reports: what the driver's writer produces
# (escaped quotes, backslashes and control characters, UTF-8 text, negative
# ids, empty lists, null states) reads back exactly, and a report cut short
# or garbled is an error, never a partial result.
$LOAD_PATH.unshift(File.join(File.dirname(__FILE__), 'support'))
require 'test/unit'
require 'json_reader'

class JsonReaderTest < Test::Unit::TestCase
  def test_what_the_driver_writes_reads_back
    text = '{"caption":"Say \"hi\" C:\\\\x\u000a\u0009end","id":-1,"checked":null,' \
           '"enabled":true,"visible":false,"controls":[],"states":[{"state":null}],' \
           "\"text\":\"Nom de la cote\xC2\xA0:\",\"e\":{}}"
    assert_equal({ 'caption' => "Say \"hi\" C:\\x\n\tend", 'id' => -1, 'checked' => nil,
                   'enabled' => true, 'visible' => false, 'controls' => [],
                   'states' => [{ 'state' => nil }], 'text' => "Nom de la cote\xC2\xA0:", 'e' => {} },
                 JsonReader.parse(text))
    assert_equal [[1, [2, []]], "\xC3\xA9"], JsonReader.parse(' [ [1 , [2,[ ]] ] , "\u00e9" ] ')
  end

  def test_a_report_cut_short_or_garbled_is_an_error
    ['{"a":1', '{"a":1}}', '["a" "b"]', '{"a" 1}', '"open', '{"a":tru}', '', '{"a":"\q"}'].each do |bad|
      assert_raise(JsonReader::Error, bad) { JsonReader.parse(bad) }
    end
  end
end
