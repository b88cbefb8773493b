#include "strings/strings_record_reader.h"

#include <cstring>

namespace kvr::strings {

bool StringsRecordReader::fill() {
    pos_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    bytesRead_ += end_;
    if (end_ == 0 && std::ferror(file_)) {
        error_ = true;
    }
    return end_ != 0;
}

StringsRecordReader::Status StringsRecordReader::next(char* record, std::size_t& length) {
    length = 0;
    bool took = false;
    bool tooLong = false;
    bool pendingCr = false;  // a CR ended the last load; its LF may start the next
    const auto append = [&](const char* bytes, std::size_t n) {
        const std::size_t room = kStringsBufferSize - 1 - length;
        if (n > room) {
            tooLong = true;
            n = room;
        }
        std::memcpy(record + length, bytes, n);
        length += n;
    };
    // The buffered bytes are scanned for the semicolon and for CRs with
    // memchr and copied in runs: most of a file is plain text between them.
    while (pos_ != end_ || fill()) {
        took = true;
        const char* first = buffer_.data() + pos_;
        if (pendingCr) {
            pendingCr = false;
            const bool pair = *first == '\n';
            append(pair ? "\n" : "\r", 1);
            if (pair) {
                ++pos_;
                continue;
            }
        }
        const std::size_t available = end_ - pos_;
        const auto* semicolon = static_cast<const char*>(std::memchr(first, ';', available));
        const std::size_t run = semicolon ? static_cast<std::size_t>(semicolon - first) : available;
        std::size_t done = 0;
        while (const auto* cr =
                   static_cast<const char*>(std::memchr(first + done, '\r', run - done))) {
            const std::size_t at = static_cast<std::size_t>(cr - first);
            append(first + done, at - done);
            done = at + 1;
            if (done < run && first[done] == '\n') {
                append("\n", 1);
                ++done;
            } else if (done == available) {
                pendingCr = true;  // decided by the next load
            } else {
                append("\r", 1);
            }
        }
        append(first + done, run - done);
        pos_ += run;
        if (semicolon != nullptr) {
            ++pos_;
            break;
        }
    }
    if (pendingCr) {
        append("\r", 1);  // the file ended after it
    }
    record[length] = '\0';
    if (!took) {
        return Status::end;
    }
    return tooLong ? Status::tooLong : Status::record;
}

}  // namespace kvr::strings
