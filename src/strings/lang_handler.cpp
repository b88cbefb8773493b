#include "strings/lang_handler.h"

#include <array>
#include <tuple>
#include <utility>

namespace kvr::strings {

namespace {

// A null key or text from a caller is taken as the empty text rather than
// dereferenced.
const char* orEmpty(const char* s) {
    return s != nullptr ? s : "";
}

// The entry of key in table; when there is none, one is added with the text
// that makeText() gives, which is called only then. An existing entry is left
// untouched. The key is measured and headed once for the whole search, and
// copied only into an entry that is added.
template <class Table, class MakeText>
typename Table::iterator findOrAdd(Table& table, std::string_view key, MakeText&& makeText) {
    const KeyProbe probe(key);
    auto it = table.lower_bound(probe);
    if (it == table.end() || table.key_comp()(probe, it->first)) {
        it = table.emplace_hint(it, std::piecewise_construct, std::forward_as_tuple(key),
                                std::forward_as_tuple(makeText()));
    }
    return it;
}

// Converts UTF-8 to UTF-16 on the stack when the text fits the buffer, as
// every text of the strings file does, so that the table's own copy is the
// only allocation; a longer text (a message looked up by a dialog) is
// converted on the heap. A result stays valid until the next conversion.
class WideConverter {
public:
    text::WideView operator()(std::string_view utf8) {
        if (utf8.size() <= buffer_.size()) {
            return {buffer_.data(), text::utf8ToWide(utf8, buffer_.data())};
        }
        spill_ = text::utf8ToWide(utf8);
        return spill_;
    }

private:
    std::array<text::WideChar, kStringsBufferSize> buffer_;
    text::WideString spill_;
};

}  // namespace

void LangHandler::AddText(const char* key, const char* text) {
    // The first text of a key wins.
    const std::string_view k(orEmpty(key));
    const std::string_view t(orEmpty(text));
    findOrAdd(utf8Texts, k, [t] { return t; });
    WideConverter toWide;
    findOrAdd(wideTexts, k, [&toWide, t] { return toWide(t); });
}

const text::WideChar* LangHandler::GetWideString(const char* key) {
    // A miss stands for itself. The conversion is sized by the key, so a long
    // message is converted whole.
    const std::string_view k(orEmpty(key));
    WideConverter toWide;
    return findOrAdd(wideTexts, k, [&toWide, k] { return toWide(k); })->second.c_str();
}

const char* LangHandler::GetUtf8String(const char* key) {
    return GetUtf8String(std::string_view(orEmpty(key))).data();
}

std::string_view LangHandler::GetUtf8String(std::string_view key) {
    // On a miss the entry's own copy of the key is handed out, so a caller
    // never holds on to its own argument's bytes.
    return findOrAdd(utf8Texts, key, [key] { return key; })->second;
}

}  // namespace kvr::strings
