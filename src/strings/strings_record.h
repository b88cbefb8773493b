// One record of a strings file read as its key and text, in place: the pair is
// two views into the record's bytes, so reading a file copies nothing but what
// the tables keep.
#pragma once

#include <optional>
#include <string_view>

namespace kvr::strings {

struct StringsPair {
    std::string_view key;
    std::string_view text;
};

// The pair a record holds, or nothing when the record is skipped. "//" starts
// a comment that runs to the next line feed; a record holds "key" = "text",
// and the key cannot hold '='.
std::optional<StringsPair> ParseStringsRecord(std::string_view record);

}  // namespace kvr::strings
