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
    key = orEmpty(key);
    text = orEmpty(text);
    // try_emplace leaves an existing entry untouched: the first text wins.
    utf8Texts.try_emplace(key, text);
    auto wide = wideTexts.lower_bound(key);
    if (wide == wideTexts.end() || wide->first != key) {
        wideTexts.emplace_hint(wide, key, text::utf8ToWide(text));
    }
}

const text::WideChar* LangHandler::GetWideString(const char* key) {
    key = orEmpty(key);
    auto it = wideTexts.lower_bound(key);
    if (it == wideTexts.end() || it->first != key) {
        // A miss stands for itself. The conversion is sized by the key, so a
        // long message is converted whole.
        it = wideTexts.emplace_hint(it, key, text::utf8ToWide(key));
    }
    return it->second.c_str();
}

const char* LangHandler::GetUtf8String(const char* key) {
    return GetUtf8String(std::string_view(orEmpty(key)));
}

const char* LangHandler::GetUtf8String(std::string_view key) {
    auto it = utf8Texts.lower_bound(key);
    if (it == utf8Texts.end() || it->first != key) {
        // On a miss the entry's own copy of the key is handed out, so a caller
        // never holds on to its own argument's bytes.
        it = utf8Texts.emplace_hint(it, std::string(key), std::string(key));
    }
    return it->second.c_str();
}

}  // namespace kvr::strings
