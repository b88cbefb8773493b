# A plain-Ruby reader of the strings file format, timed on the file that
# kvr_bench_strings generated, for comparison with the native reader.
#
# Usage: ruby strings_bench.rb FILE [RUNS]
# Prints: bench=ruby_read_strings median_ms=... min_ms=... runs=... entries=... digest=...

require_relative "plain_strings_reader"

path = ARGV.fetch(0) { abort "usage: ruby strings_bench.rb FILE [RUNS]" }
runs = [Integer(ARGV.fetch(1, "9")), 1].max
times = []
tables = nil
runs.times do
  start = Process.clock_gettime(Process::CLOCK_MONOTONIC)
  tables = read_strings(path)
  times << (Process.clock_gettime(Process::CLOCK_MONOTONIC) - start) * 1000.0
end
times.sort!
printf("bench=ruby_read_strings median_ms=%.3f min_ms=%.3f runs=%d entries=%d digest=%016x\n",
       times[times.size / 2], times.first, runs, tables[0].size, digest(*tables))
