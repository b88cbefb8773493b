#include <cstring>
#include <string_view>

#include "strings/lang_handler.h"

namespace kvr::strings {

namespace {

constexpr auto npos = std::string_view::npos;

// One key/text pair in bytes that hold no comment.
int parsePair(std::string_view r, char* key, char* text) {
    if (r.empty()) {
        return 1;
    }
    const std::size_t e = r.find('=');
    if (e == npos) {
        return 1;
    }
    const std::size_t k1 = r.find('"');
    const std::size_t k2 = k1 == npos ? npos : r.find('"', k1 + 1);
    if (k2 == npos || k2 > e) {
        return 1;
    }
    const std::size_t t1 = r.find('"', k2 + 1);
    const std::size_t t2 = t1 == npos ? npos : r.find('"', t1 + 1);
    if (t2 == npos || t1 < e) {
        return 1;
    }
    const std::size_t keyLength = k2 - k1 - 1;
    const std::size_t textLength = t2 - t1 - 1;
    // A record from the file is at most kStringsBufferSize - 1 bytes, so this
    // only turns away callers that pass longer bytes.
    if (keyLength >= kStringsBufferSize || textLength >= kStringsBufferSize) {
        return 1;
    }
    std::memcpy(key, r.data() + k1 + 1, keyLength);
    key[keyLength] = '\0';
    std::memcpy(text, r.data() + t1 + 1, textLength);
    text[textLength] = '\0';
    return 0;
}

}  // namespace

int ParseStringsRecord(const char* record, std::size_t length, char* key, char* text) {
    if (record == nullptr || key == nullptr || text == nullptr) {
        return 1;
    }
    std::string_view r(record, length);
    // "//" starts a comment that runs to the next line feed. The bytes before
    // the first comment are tried first; failing that, the bytes after its
    // line feed, which may hold further comments.
    for (;;) {
        const std::size_t c = r.find("//");
        if (c == npos) {
            return parsePair(r, key, text);
        }
        const std::size_t f = r.find('\n', c);
        if (f == npos) {
            return 1;
        }
        if (parsePair(r.substr(0, c), key, text) == 0) {
            return 0;
        }
        r.remove_prefix(f + 1);
    }
}

}  // namespace kvr::strings
