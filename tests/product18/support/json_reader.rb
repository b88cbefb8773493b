# Reads the driver's JSON report. Ruby 1.8 has no JSON library and the
# interpreter here is built without extensions, so this reads the subset the
# driver writes: objects (Hashes with String keys), arrays, strings (UTF-8,
# with \" \\ \/ \n \t \r \b \f and \uXXXX escapes), integers, true, false, null.
module JsonReader
  class Error < StandardError; end

  ESCAPES = { 'n' => "\n", 't' => "\t", 'r' => "\r", 'b' => "\b", 'f' => "\f",
              '"' => '"', '\\' => '\\', '/' => '/' }

  def self.parse(text)
    value, rest = read_value(text.strip)
    raise Error, "trailing text: #{rest[0, 20].inspect}" unless rest.strip.empty?
    value
  end

  def self.read_value(text)
    text = text.lstrip
    case text[0, 1]
    when '{' then read_object(text[1..-1])
    when '[' then read_array(text[1..-1])
    when '"' then read_string(text[1..-1])
    else read_literal(text)
    end
  end

  # Reads the items of an object or array up to its closing character, each
  # with the block, which returns the text after its item.
  def self.read_items(text, close)
    text = text.lstrip
    return text[1..-1] if text[0, 1] == close
    loop do
      text = yield(text).lstrip
      return text[1..-1] if text[0, 1] == close
      raise Error, "',' or '#{close}' expected: #{text[0, 20].inspect}" unless text[0, 1] == ','
      text = text[1..-1]
    end
  end

  def self.read_object(text)
    object = {}
    rest = read_items(text, '}') do |item|
      item = item.lstrip
      raise Error, "object key expected: #{item[0, 20].inspect}" unless item[0, 1] == '"'
      key, item = read_string(item[1..-1])
      item = item.lstrip
      raise Error, "':' expected" unless item[0, 1] == ':'
      object[key], item = read_value(item[1..-1])
      item
    end
    [object, rest]
  end

  def self.read_array(text)
    array = []
    rest = read_items(text, ']') do |item|
      value, item = read_value(item)
      array << value
      item
    end
    [array, rest]
  end

  def self.read_string(text)
    out = ''
    i = 0
    loop do
      c = text[i, 1]
      raise Error, 'unterminated string' if c.nil? || c.empty?
      return [out, text[(i + 1)..-1]] if c == '"'
      if c != '\\'
        out << c
        i += 1
      elsif text[i + 1, 1] == 'u'
        out << [text[i + 2, 4].hex].pack('U')
        i += 6
      else
        out << (ESCAPES[text[i + 1, 1]] or raise Error, "bad escape #{text[i, 2].inspect}")
        i += 2
      end
    end
  end

  def self.read_literal(text)
    if text =~ /\A(-?\d+)/
      [$1.to_i, $']
    elsif text =~ /\A(true|false|null)/
      [{ 'true' => true, 'false' => false, 'null' => nil }[$1], $']
    else
      raise Error, "unexpected #{text[0, 20].inspect}"
    end
  end
end
