#include "strings/strings_record_reader.h"

#include <cstring>

namespace kvr::strings {

namespace {

// The longest a record's bytes can be before its CR LF pairs are read as line
// feeds and still fit: every pair reads as one byte, so a record of more bytes
// cannot fit however many pairs it holds.
constexpr std::size_t kMaxRawRecord = 2 * (kStringsBufferSize - 1) + 1;

// Rewrites each CR LF pair of bytes[0, n) as one LF in place, from the first
// CR at cr on; returns the new length. A CR not followed by LF (also the last
// byte) stays. The bytes between CRs move as runs.
std::size_t readCrLfAsLf(char* bytes, std::size_t n, char* cr) {
    char* out = cr;
    const char* in = cr;  // always at a CR, or the end
    const char* const end = bytes + n;
    while (in != end) {
        const char* from = in + 1 != end && in[1] == '\n' ? in + 1 : in;
        const void* next = std::memchr(in + 1, '\r', static_cast<std::size_t>(end - (in + 1)));
        const char* to = next ? static_cast<const char*>(next) : end;
        std::memmove(out, from, static_cast<std::size_t>(to - from));
        out += to - from;
        in = to;
    }
    return static_cast<std::size_t>(out - bytes);
}

}  // namespace

StringsRecordReader::StringsRecordReader(std::FILE* file)
    : file_(file), buffer_(new char[kBlockSize]) {}

bool StringsRecordReader::fill() {
    const std::size_t wanted = kBlockSize - end_;
    const std::size_t got = std::fread(buffer_.get() + end_, 1, wanted, file_);
    end_ += got;
    bytesRead_ += got;
    crKnown_ = false;
    if (got < wanted) {
        // fread stops short only at the end of the file or on an error.
        atEnd_ = true;
        error_ = error_ || std::ferror(file_) != 0;
    }
    return got != 0;
}

StringsRecordReader::Status StringsRecordReader::next(std::string_view& record) {
    record = {};
    char* const buffer = buffer_.get();
    bool dropped = false;        // the record's first bytes were dropped: it is too long
    std::size_t scanned = pos_;  // no semicolon before this
    for (;;) {
        const void* semicolon = std::memchr(buffer + scanned, ';', end_ - scanned);
        if (semicolon == nullptr && !atEnd_) {
            // The record goes on in the next block: keep its bytes in front of
            // it, unless they are already too many.
            std::size_t kept = end_ - pos_;
            if (dropped || kept > kMaxRawRecord) {
                dropped = true;
                kept = 0;
            }
            std::memmove(buffer, buffer + pos_, kept);
            crKnown_ = false;
            pos_ = 0;
            end_ = kept;
            scanned = kept;
            fill();
            continue;
        }
        const std::size_t first = pos_;
        const std::size_t last =
            semicolon ? static_cast<std::size_t>(static_cast<const char*>(semicolon) - buffer)
                      : end_;
        if (semicolon == nullptr && first == last && !dropped) {
            return Status::end;
        }
        pos_ = semicolon ? last + 1 : last;
        if (dropped) {
            return Status::tooLong;
        }
        // The next CR is looked for once for as many records as it lies beyond.
        if (!crKnown_ || nextCr_ < first) {
            const void* cr = std::memchr(buffer + first, '\r', end_ - first);
            nextCr_ = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - buffer) : end_;
            crKnown_ = true;
        }
        const std::size_t length =
            nextCr_ < last ? readCrLfAsLf(buffer + first, last - first, buffer + nextCr_)
                           : last - first;
        if (length > kStringsBufferSize - 1) {
            return Status::tooLong;
        }
        record = {buffer + first, length};
        return Status::record;
    }
}

StringsRecordReader::Status StringsRecordReader::next(char* record, std::size_t& length) {
    std::string_view bytes;
    const Status status = next(bytes);
    length = bytes.size();
    if (length != 0) {
        std::memcpy(record, bytes.data(), length);
    }
    record[length] = '\0';
    return status;
}

}  // namespace kvr::strings
