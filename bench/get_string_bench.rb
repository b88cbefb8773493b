# The cost of KVRGUI_LangHandler#GetString against the plain-Ruby equivalent,
# Hash#fetch(key, key).dup, on the same translations, for hits (keys the file
# translates) and misses (keys it does not): the module loads the strings file
# through a host stand-in, the Hash is read from the same file by the
# plain-Ruby reader. One table size per interpreter, since the module reads
# its file once.
# It also prints the memory a Ruby Hash of the same translations takes: the
# growth of ObjectSpace.memsize_of_all while the plain-Ruby reader builds it.
#   ruby bench/get_string_bench.rb MODULE.so STRINGS_FILE
require "objspace"
require_relative "plain_strings_reader"

module Sketchup
  class << self
    attr_accessor :strings_file
    def get_resource_path(_name) = strings_file
    def is_valid_filename?(path) = File.file?(path)
  end
end

so, file = ARGV
GC.start
before = ObjectSpace.memsize_of_all
held = read_strings(file).first
GC.start
puts format("memory: entries=%d hash_bytes=%d", held.size, ObjectSpace.memsize_of_all - before)
held = nil
Sketchup.strings_file = File.expand_path(file)
require File.expand_path(so)

# The plain reader keeps raw bytes; GetString answers UTF-8 Strings.
table = read_strings(file).first.to_h { |k, v| [k.dup.force_encoding(Encoding::UTF_8), v.dup.force_encoding(Encoding::UTF_8)] }
random = Random.new(1)
hits = Array.new(2000) { table.keys.sample(random: random) }
misses = Array.new(2000) { |i| "Text #{i}: not in the file" }
handler = KVRGUI_LangHandler.new
abort "GetString and the Hash disagree" unless (hits + misses).all? { |k| handler.GetString(k) == table.fetch(k, k) }

def ns_per_call(keys)
  t = Process.clock_gettime(Process::CLOCK_MONOTONIC, :nanosecond)
  keys.each { |k| yield k }
  (Process.clock_gettime(Process::CLOCK_MONOTONIC, :nanosecond) - t).to_f / keys.size
end

# Rounds alternate between the two, so that a change of load on a shared
# machine weighs on both alike; the medians are compared.
{ "hits" => hits, "misses" => misses }.each do |kind, keys|
  native = []
  plain = []
  31.times do
    native << ns_per_call(keys) { |k| handler.GetString(k) }
    plain << ns_per_call(keys) { |k| table.fetch(k, k).dup }
  end
  native = native.sort[native.size / 2]
  plain = plain.sort[plain.size / 2]
  puts format("get_string: entries=%d %s native_ns=%.1f hash_ns=%.1f native_over_hash=%.2f",
              table.size, kind, native, plain, native / plain)
end
