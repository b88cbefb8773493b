// Splits a strings file into records: the bytes up to the next semicolon or
// the end of the file. The semicolon ends a record and belongs to neither
// neighbour. A CR LF pair reads as one line feed, as a text-mode stream on
// Windows would read it, on every platform.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>

#include "strings/lang_handler.h"

namespace kvr::strings {

class StringsRecordReader {
public:
    enum class Status {
        record,   // a record was read into the buffer
        tooLong,  // a record of more than kStringsBufferSize - 1 bytes was passed over
        end,      // nothing was left to read
    };

    explicit StringsRecordReader(std::FILE* file) : file_(file) {}

    // Reads the next record into record (kStringsBufferSize bytes) as
    // NUL-terminated bytes and sets length. A record that does not fit is
    // consumed up to its semicolon and reported as tooLong, so that reading
    // goes on with the record after it.
    Status next(char* record, std::size_t& length);

    // True when reading stopped on an error before any byte came in: the file
    // could be opened but not read (a directory, for instance).
    bool unreadable() const { return error_ && bytesRead_ == 0; }

private:
    bool fill();

    std::FILE* file_;
    std::array<char, 16384> buffer_{};
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::size_t bytesRead_ = 0;
    bool error_ = false;
};

}  // namespace kvr::strings
