#include <algorithm>
#include <cstdint>
#include <cstring>

#include "strings/lang_handler.h"
#include "strings/open_strings_file.h"
#include "strings/strings_record.h"
#include "strings/strings_record_reader.h"

namespace kvr::strings {

namespace {

// The bytes before the first NUL: what a C string of them would hold.
std::string_view upToNul(std::string_view bytes) {
    const void* nul = std::memchr(bytes.data(), '\0', bytes.size());
    return nul ? bytes.substr(
                     0, static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data()))
               : bytes;
}

}  // namespace

int LangHandler::ReadStringsFile(const std::string& path) {
    FilePtr file = OpenStringsFile(path);
    if (!file) {
        return 1;
    }
    // The index is sized once for the records the file likely holds (a record
    // of a strings file takes some 40 to 80 bytes) rather than regrown as
    // they come; only up to a bound, so that the size a file claims (a sparse
    // file of zeros, say) never makes the module take memory it has not read
    // texts for. A larger file regrows the index past it as records come.
    constexpr std::uint64_t kMostReserved = 1 << 16;
    texts_.reserve(static_cast<std::size_t>(
        std::min<std::uint64_t>(FileSize(file.get()) / 64, kMostReserved)));
    // Records are read and parsed where they lie in the reader's buffer; the
    // tables copy what they keep. A record too long for kStringsBufferSize is
    // skipped alone.
    StringsRecordReader reader(file.get());
    std::string_view record;
    for (StringsRecordReader::Status status;
         (status = reader.next(record)) != StringsRecordReader::Status::end;) {
        if (status != StringsRecordReader::Status::record) {
            continue;
        }
        if (const auto pair = ParseStringsRecord(record)) {
            // A key or text holding a NUL ends there, as the C strings of
            // AddText would; the record is looked at once for any NUL.
            if (std::memchr(record.data(), '\0', record.size()) == nullptr) {
                texts_.add(pair->key, pair->text);
            } else {
                texts_.add(upToNul(pair->key), upToNul(pair->text));
            }
        }
    }
    return reader.unreadable() ? 1 : 0;
}

}  // namespace kvr::strings
