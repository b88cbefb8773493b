#include "strings/strings_record.h"

#include <cstring>

#include "strings/lang_handler.h"

namespace kvr::strings {

namespace {

constexpr auto npos = std::string_view::npos;

// One key/text pair in bytes that hold no comment.
std::optional<StringsPair> parsePair(std::string_view r) {
    const std::size_t e = r.find('=');
    if (e == npos) {
        return std::nullopt;
    }
    const std::size_t k1 = r.find('"');
    const std::size_t k2 = k1 == npos ? npos : r.find('"', k1 + 1);
    if (k2 == npos || k2 > e) {
        return std::nullopt;
    }
    const std::size_t t1 = r.find('"', k2 + 1);
    const std::size_t t2 = t1 == npos ? npos : r.find('"', t1 + 1);
    if (t2 == npos || t1 < e) {
        return std::nullopt;
    }
    return StringsPair{r.substr(k1 + 1, k2 - k1 - 1), r.substr(t1 + 1, t2 - t1 - 1)};
}

}  // namespace

std::optional<StringsPair> ParseStringsRecord(std::string_view r) {
    // "//" starts a comment that runs to the next line feed. The bytes before
    // the first comment are tried first; failing that, the bytes after its
    // line feed, which may hold further comments.
    for (;;) {
        const std::size_t c = r.find("//");
        if (c == npos) {
            return parsePair(r);
        }
        const std::size_t f = r.find('\n', c);
        if (f == npos) {
            return std::nullopt;
        }
        if (auto pair = parsePair(r.substr(0, c))) {
            return pair;
        }
        r.remove_prefix(f + 1);
    }
}

int ParseStringsRecord(const char* record, std::size_t length, char* key, char* text) {
    if (record == nullptr || key == nullptr || text == nullptr) {
        return 1;
    }
    const std::optional<StringsPair> pair = ParseStringsRecord({record, length});
    // A record from the file is at most kStringsBufferSize - 1 bytes, so this
    // only turns away callers that pass longer bytes.
    if (!pair || pair->key.size() >= kStringsBufferSize ||
        pair->text.size() >= kStringsBufferSize) {
        return 1;
    }
    std::memcpy(key, pair->key.data(), pair->key.size());
    key[pair->key.size()] = '\0';
    std::memcpy(text, pair->text.data(), pair->text.size());
    text[pair->text.size()] = '\0';
    return 0;
}

}  // namespace kvr::strings
