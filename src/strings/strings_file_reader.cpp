#include <array>

#include "strings/lang_handler.h"
#include "strings/open_strings_file.h"
#include "strings/strings_record_reader.h"

namespace kvr::strings {

int LangHandler::ReadStringsFile(const std::string& path) {
    FilePtr file = openStringsFile(path);
    if (!file) {
        return 1;
    }
    StringsRecordReader reader(file.get());
    std::array<char, kStringsBufferSize> record;
    std::array<char, kStringsBufferSize> key;
    std::array<char, kStringsBufferSize> text;
    std::size_t length = 0;
    for (;;) {
        const auto status = reader.next(record.data(), length);
        if (status == StringsRecordReader::Status::end) {
            break;
        }
        // A record too long for the buffer is skipped alone.
        if (status == StringsRecordReader::Status::record &&
            ParseStringsRecord(record.data(), length, key.data(), text.data()) == 0) {
            AddText(key.data(), text.data());
        }
    }
    return reader.unreadable() ? 1 : 0;
}

}  // namespace kvr::strings
