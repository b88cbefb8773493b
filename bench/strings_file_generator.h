// A strings file for the benchmark: 10,000 records in the shapes a real one
// has (comments, CR LF lines, non-ASCII texts), with some records the reader
// skips (addresses, overlong records) and some repeated keys.
#pragma once

#include <string>

namespace kvr::bench {

constexpr int kGeneratedRecords = 10000;

std::string generateStringsFile(int records = kGeneratedRecords);

}  // namespace kvr::bench
