#include "strings/strings_record_reader.h"

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

int StringsRecordReader::get() {
    if (pos_ == end_ && !fill()) {
        return EOF;
    }
    const int c = static_cast<unsigned char>(buffer_[pos_++]);
    if (c == '\r') {
        // The pair may straddle two buffer loads.
        if (pos_ == end_ && !fill()) {
            return c;
        }
        if (buffer_[pos_] == '\n') {
            ++pos_;
            return '\n';
        }
    }
    return c;
}

StringsRecordReader::Status StringsRecordReader::next(char* record, std::size_t& length) {
    length = 0;
    bool took = false;
    bool tooLong = false;
    for (int c = get(); c != EOF; c = get()) {
        took = true;
        if (c == ';') {
            break;
        }
        if (length < kStringsBufferSize - 1) {
            record[length++] = static_cast<char>(c);
        } else {
            tooLong = true;
        }
    }
    record[length] = '\0';
    if (!took) {
        return Status::end;
    }
    return tooLong ? Status::tooLong : Status::record;
}

}  // namespace kvr::strings
