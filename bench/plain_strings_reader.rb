# A plain-Ruby reader of the strings file format. It follows the module's
# rules: records end at ";" (or the end of the file), at most 1023 bytes each
# (a longer one is skipped alone), CR LF reads as one line feed, "//" starts a
# comment that runs to the next line feed, a key and a text in double quotes
# with the first "=" between them, first occurrence wins. It fills the same two
# tables, UTF-8 texts and UTF-16 texts.

RECORD_MAX = 1023

def parse_pair(r)
  return nil if r.empty?
  e = r.index("=") or return nil
  k1 = r.index('"') or return nil
  k2 = r.index('"', k1 + 1) or return nil
  return nil if k2 > e
  t1 = r.index('"', k2 + 1) or return nil
  t2 = r.index('"', t1 + 1) or return nil
  return nil if t1 < e
  [r[k1 + 1...k2], r[t1 + 1...t2]]
end

def parse_record(r)
  loop do
    c = r.index("//") or return parse_pair(r)
    f = r.index("\n", c) or return nil
    pair = parse_pair(r[0, c])
    return pair if pair
    r = r[(f + 1)..]
  end
end

def read_strings(path)
  utf8 = {}
  wide = {}
  File.binread(path).gsub("\r\n", "\n").split(";", -1).each do |record|
    next if record.bytesize > RECORD_MAX
    key, text = parse_record(record)
    next unless key
    utf8[key] = text unless utf8.key?(key)
    next if wide.key?(key)
    wide[key] = text.dup.force_encoding(Encoding::UTF_8)
                    .encode(Encoding::UTF_16LE, invalid: :replace, replace: "\uFFFD")
  end
  [utf8, wide]
end

# The same 64-bit FNV-1a digest as kvr_bench_strings: both tables in key order.
def digest(utf8, wide)
  h = 14695981039346656037
  mask = (1 << 64) - 1
  add = lambda do |bytes|
    bytes.each_byte { |b| h = ((h ^ b) * 1099511628211) & mask }
    h = (h * 1099511628211) & mask
  end
  utf8.keys.sort.each { |k| add.(k); add.(utf8[k]) }
  wide.keys.sort.each { |k| add.(k); add.(wide[k].b) }
  h
end

