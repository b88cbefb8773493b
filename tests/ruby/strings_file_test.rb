require_relative "test_helper"

# The strings file as a translator writes it, read by the module at load time.
class StringsFileTest < Minitest::Test
  def test_records_comments_and_layout
    file = <<~STRINGS
      // Translation for the dimension editor
      // second comment line

      "Cancel" = "Annuler";
      "Length:"="Longueur :";   "Angle"   =   "  Angle  " ;
      "Dimension type:" = "Type = cote";
      "Key = with equals" = "never";
      "Distance" = "Distance" // trailing comment
      ;
      "Radius:" = "Rayon" // comment that runs into the semicolon;
      "Help Page" = "http://example.test/aide";
      "Sorvane" = "http://example.test/"
      "Edge length" = "Longueur d'arête";
      "" = "";
      "Empty" = "";
      "OK" = "D'accord"
    STRINGS
    got = ChildRuby.translations(file, ["Cancel", "Length:", "Angle", "Dimension type:",
                                        "Key = with equals", "Key ", "Distance", "Radius:",
                                        "Help Page", "Sorvane", "Edge length", "", "Empty", "OK"])
    assert_equal "Annuler", got["Cancel"], "comments and blank lines before a record"
    assert_equal "Longueur :", got["Length:"], "no spaces needed around ="
    assert_equal "  Angle  ", got["Angle"], "nothing trimmed inside quotes"
    assert_equal "Type = cote", got["Dimension type:"], "an equals sign inside the text stays"
    assert_equal "Key = with equals", got["Key = with equals"], "a key with = is skipped"
    assert_equal "Distance", got["Distance"], "a comment ended by a line feed before ;"
    assert_equal "Radius:", got["Radius:"], "a comment running to ; skips the record"
    assert_equal "Help Page", got["Help Page"], "// inside the text starts a comment"
    assert_equal "Sorvane", got["Sorvane"], "the record's first pair is cut by //"
    assert_equal "Longueur d'arête", got["Edge length"],
                 "a complete pair after the comment's line feed is taken"
    assert_equal "", got[""], "empty key with empty text"
    assert_equal "", got["Empty"], "an empty translation is empty"
    assert_equal "D'accord", got["OK"], "the last record needs no semicolon"
  end

  def test_first_occurrence_wins_and_keys_are_exact
    file = %("OK " = "trailing";\n"ok" = "lower";\n"OK" = "Premier";\n"OK" = "Second";\n) +
           %("\u00B0" = " deg";\n"Cafe\u0301" = "decomposed";\n)
    got = ChildRuby.translations(file, ["OK", "ok", "OK ", "\u00B0", "Caf\u00E9", "Cafe\u0301"])
    assert_equal "Premier", got["OK"]
    assert_equal "lower", got["ok"]
    assert_equal "trailing", got["OK "]
    assert_equal " deg", got["\u00B0"]
    assert_equal "Caf\u00E9", got["Caf\u00E9"], "no normalisation: precomposed does not match"
    assert_equal "decomposed", got["Cafe\u0301"]
  end

  def test_a_file_without_semicolons_is_one_record
    got = ChildRuby.translations(%("OK" = "Oui"\n"Cancel" = "Non"\n), ["OK", "Cancel"])
    assert_equal({ "OK" => "Oui", "Cancel" => "Cancel" }, got)
  end

  def test_windows_line_ends_byte_order_mark_and_utf8
    file = "\xEF\xBB\xBF// commentaire\r\n\"OK\" = \"D'accord\" // fin\r\n;\r\n" \
           "\"Cancel\" = \"Annuler \u00E9\u4E2D\u{1F600}\";\r\n"
    got = ChildRuby.translations(file.b, ["OK", "Cancel"])
    assert_equal "D'accord", got["OK"]
    assert_equal "Annuler \u00E9\u4E2D\u{1F600}", got["Cancel"]
    assert_equal Encoding::UTF_8, got["Cancel"].encoding
  end

  def test_an_overlong_record_is_skipped_alone
    long = %("Distance" = "#{'x' * 1100}";)
    file = %("OK" = "Oui";\n#{long}\n"Cancel" = "Non";)
    got = ChildRuby.translations(file, ["OK", "Distance", "Cancel"])
    assert_equal({ "OK" => "Oui", "Distance" => "Distance", "Cancel" => "Non" }, got)
  end

  def test_a_record_of_exactly_the_limit_is_read
    text = "y" * (1023 - %("K" = "";).length + 1)
    record = %("K" = "#{text}")
    assert_equal 1023, record.bytesize
    got = ChildRuby.translations(%(#{record};"OK" = "Oui"), ["K", "OK"])
    assert_equal text, got["K"]
    assert_equal "Oui", got["OK"]
  end

  def test_empty_or_missing_file_leaves_english
    assert_equal({ "OK" => "OK" }, ChildRuby.translations("", ["OK"]))
    assert_equal({ "OK" => "OK" }, ChildRuby.translations(nil, ["OK"]))
  end
end
