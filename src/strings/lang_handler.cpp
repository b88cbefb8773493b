#include "strings/lang_handler.h"

namespace kvr::strings {

namespace {

// A null key or text from a caller is taken as the empty text rather than
// dereferenced.
const char* orEmpty(const char* s) {
    return s != nullptr ? s : "";
}

}  // namespace

void LangHandler::AddText(const char* key, const char* text) {
    // The key is measured once; each table is searched with it as it stands,
    // and a copy is made only for an entry that is added. An existing entry is
    // left untouched: the first text wins.
    const std::string_view k(orEmpty(key));
    text = orEmpty(text);
    auto utf8 = utf8Texts.lower_bound(k);
    if (utf8 == utf8Texts.end() || utf8->first != k) {
        utf8Texts.emplace_hint(utf8, k, text);
    }
    auto wide = wideTexts.lower_bound(k);
    if (wide == wideTexts.end() || wide->first != k) {
        wideTexts.emplace_hint(wide, k, text::utf8ToWide(text));
    }
}

const text::WideChar* LangHandler::GetWideString(const char* key) {
    const std::string_view k(orEmpty(key));  // measured once, not at every level
    auto it = wideTexts.lower_bound(k);
    if (it == wideTexts.end() || it->first != k) {
        // A miss stands for itself. The conversion is sized by the key, so a
        // long message is converted whole.
        it = wideTexts.emplace_hint(it, k, text::utf8ToWide(k));
    }
    return it->second.c_str();
}

const char* LangHandler::GetUtf8String(const char* key) {
    return GetUtf8String(std::string_view(orEmpty(key))).data();
}

std::string_view LangHandler::GetUtf8String(std::string_view key) {
    auto it = utf8Texts.lower_bound(key);
    if (it == utf8Texts.end() || it->first != key) {
        // On a miss the entry's own copy of the key is handed out, so a caller
        // never holds on to its own argument's bytes.
        it = utf8Texts.emplace_hint(it, key, key);
    }
    return it->second;
}

}  // namespace kvr::strings
