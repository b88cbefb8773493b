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

  def self.read_object(text)
    object = {}
    text = text.lstrip
    return [object, text[1..-1]] if text[0, 1] == '}'
    loop do
      text = text.lstrip
      raise Error, "object key expected: #{text[0, 20].inspect}" unless text[0, 1] == '"'
      key, text = read_string(text[1..-1])
      text = text.lstrip
      raise Error, "':' expected" unless text[0, 1] == ':'
      object[key], text = read_value(text[1..-1])
      text = text.lstrip
      return [object, text[1..-1]] if text[0, 1] == '}'
      raise Error, "',' expected in object: #{text[0, 20].inspect}" unless text[0, 1] == ','
      text = text[1..-1]
    end
  end

  def self.read_array(text)
    array = []
    return [array, text.lstrip[1..-1]] if text.lstrip[0, 1] == ']'
    loop do
      value, text = read_value(text)
      array << value
      text = text.lstrip
      return [array, text[1..-1]] if text[0, 1] == ']'
      raise Error, "',' expected in array: #{text[0, 20].inspect}" unless text[0, 1] == ','
      text = text[1..-1]
    end
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
