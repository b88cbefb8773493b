# A model of the strings file: a generator of files that mix the format's
# traps, and a reference reader written from the format's rules, not from the
# module's code.
module StringsModel
  RECORD_MAX = 1023

  # The rules, as a translator reads them: the file is text (CR LF is a line
  # feed); ";" ends a record, the end of the file ends the last one; a record
  # of more than RECORD_MAX bytes is skipped. "//" starts a comment running to
  # the next line feed; a comment with no line feed after it in its record
  # spoils the record. Without comments, a record is: anything but quotes and
  # "=", a quoted key without "=", then the first "=" and anything but quotes,
  # then a quoted text; whatever follows is ignored. When a comment splits a
  # record, the part before it counts if it holds a pair, else the part after
  # its line feed, by the same rules. The first text of a key wins.
  PAIR = /\A[^"=]*"([^"=]*)"([^"]*)"([^"]*)"/m.freeze

  def self.read(bytes)
    table = {}
    bytes.b.gsub("\r\n", "\n").split(";", -1).each do |record|
      next if record.bytesize > RECORD_MAX

      pair = pair_in(record)
      table[pair[0]] = pair[1] if pair && !table.key?(pair[0])
    end
    table
  end

  def self.pair_in(record)
    before, comment, after = record.partition("//")
    return plain_pair(record) if comment.empty?
    return nil unless after.include?("\n")

    plain_pair(before) || pair_in(after.split("\n", 2).last)
  end

  def self.plain_pair(part)
    m = PAIR.match(part)
    m && m[2].include?("=") ? [m[1], m[3]] : nil
  end

  # Every substring between two consecutive double quotes, the quotes of
  # keys and texts and those of broken records alike.
  def self.quoted_substrings(bytes)
    bytes.b.split('"', -1)[1...-1].to_a.uniq
  end

  # A file of about `records` records drawn with the given seed.
  def self.generate(seed, records: 120)
    rng = Random.new(seed)
    words = ["OK", "Cancel", "Angle:", "Distance", "\u00B0", "Dimension name:", "a=b", "",
             "x y", "caf\u00E9", "\u65E5\u672C", "http://host/", "\xFF\xFE".b, "tab\there",
             "multi\nline", "OK ", "ok"]
    word = -> { rng.rand < 0.2 ? "w#{rng.rand(40)}" : words.sample(random: rng).b }
    space = -> { [" ", "", "\t", "\n", "\r\n", "  "].sample(random: rng) }
    comment = -> { "// #{['note', 'a "quoted" note', 'x = "y"', ''].sample(random: rng)}" }
    pieces = []
    pieces << "\xEF\xBB\xBF".b if rng.rand < 0.3
    records.times do
      key = word.call
      text = word.call
      record = case rng.rand(14)
               when 0 then %(#{comment.call}\n"#{key}" = "#{text}")
               when 1 then %("#{key}" = "#{text}" #{comment.call}\n)
               when 2 then %("#{key}" = "#{text}" #{comment.call})
               when 3 then %(#{comment.call}\r\n"#{key}"#{space.call}=#{space.call}"#{text}")
               when 4 then %("#{key}" "#{text}")
               when 5 then %(= "#{key}" "#{text}")
               when 6 then %("#{key}" = "#{text})
               when 7 then %("#{key}" = "#{'L' * rng.rand(990..1030)}")
               when 8 then %("#{key}"=="#{text}" trailing "junk")
               when 9 then %("#{key} = "#{text}" = "more")
               when 10 then %(#{space.call}"#{key}"#{space.call}=#{space.call}"#{text}"#{space.call})
               when 11 then %("#{key}" = "#{text}" // a\n// b\n"#{word.call}" = "#{word.call}")
               when 12 then %("#{key}\r\n" = "\r#{text}")
               else %("#{key}" = "#{text}")
               end
      pieces << record.b
      pieces << (rng.rand < 0.05 ? ";;" : ";").b
      pieces << space.call.b
    end
    pieces.pop(2) if rng.rand < 0.3 # the last record without its semicolon
    pieces.join.b
  end
end
