// Splits a strings file into records: the bytes up to the next semicolon or
// the end of the file. The semicolon ends a record and belongs to neither
// neighbour. A CR LF pair reads as one line feed, as a text-mode stream on
// Windows would read it, on every platform.
//
// The file is read in large blocks and a record is handed out where it lies in
// the block, its line ends rewritten in place, so that reading costs about as
// much as scanning the bytes once; only the unfinished record at the end of a
// block is moved, and one that can no longer fit is dropped on the spot.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

#include "strings/lang_handler.h"

namespace kvr::strings {

class StringsRecordReader {
public:
    enum class Status {
        record,   // a record was read
        tooLong,  // a record of more than kStringsBufferSize - 1 bytes was passed over
        end,      // nothing was left to read
    };

    explicit StringsRecordReader(std::FILE* file);

    // The next record, in the reader's own memory, valid until the next call.
    // A record that does not fit is consumed up to its semicolon and reported
    // as tooLong (with no bytes), so that reading goes on after it.
    Status next(std::string_view& record);

    // The same, copied into record (kStringsBufferSize bytes) as NUL-terminated
    // bytes with their length; a tooLong record leaves it empty.
    Status next(char* record, std::size_t& length);

    // True when reading stopped on an error before any byte came in: the file
    // could be opened but not read (a directory, for instance).
    bool unreadable() const { return error_ && bytesRead_ == 0; }

private:
    // Reads more bytes after end_; false when none came.
    bool fill();

    static constexpr std::size_t kBlockSize = 64 * 1024;

    std::FILE* file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t pos_ = 0;  // the next record starts here
    std::size_t end_ = 0;  // bytes read into the buffer
    std::size_t bytesRead_ = 0;
    std::size_t nextCr_ = 0;  // the first CR at or after the last record's start, or end_
    bool crKnown_ = false;
    bool atEnd_ = false;
    bool error_ = false;
};

}  // namespace kvr::strings
