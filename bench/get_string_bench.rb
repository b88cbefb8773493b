# The cost of KVRGUI_LangHandler#GetString against the plain-Ruby equivalent,
# Hash#fetch(key, key).dup, on the same translations: the module loads the
# generated strings file through a host stand-in, the Hash is read from the
# same file by the plain-Ruby reader.
#   ruby bench/get_string_bench.rb MODULE.so STRINGS_FILE
require_relative "plain_strings_reader"

module Sketchup
  class << self
    attr_accessor :strings_file
    def get_resource_path(_name) = strings_file
    def is_valid_filename?(path) = File.file?(path)
  end
end

so, file = ARGV
Sketchup.strings_file = File.expand_path(file)
require File.expand_path(so)

# The plain reader keeps raw bytes; GetString answers UTF-8 Strings.
table = read_strings(file).first.to_h { |k, v| [k.dup.force_encoding(Encoding::UTF_8), v.dup.force_encoding(Encoding::UTF_8)] }
keys = table.keys.sample(2000, random: Random.new(1)) + Array.new(500) { |i| "missing key #{i}" }
handler = KVRGUI_LangHandler.new
abort "GetString and the Hash disagree" unless keys.all? { |k| handler.GetString(k) == table.fetch(k, k) }

def median_ns_per_call(keys, rounds: 15)
  times = Array.new(rounds) do
    t = Process.clock_gettime(Process::CLOCK_MONOTONIC, :nanosecond)
    keys.each { |k| yield k }
    Process.clock_gettime(Process::CLOCK_MONOTONIC, :nanosecond) - t
  end
  times.sort[rounds / 2].to_f / keys.size
end

native = median_ns_per_call(keys) { |k| handler.GetString(k) }
plain = median_ns_per_call(keys) { |k| table.fetch(k, k).dup }
puts format("bench=get_string median_ns_per_call=%.1f keys=%d", native, keys.size)
puts format("bench=hash_fetch_dup median_ns_per_call=%.1f keys=%d", plain, keys.size)
puts format("get_string: native_ns=%.1f ruby_ns=%.1f native_over_ruby=%.2f", native, plain, native / plain)
