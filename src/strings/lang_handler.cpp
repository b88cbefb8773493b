#include "strings/lang_handler.h"

namespace kvr::strings {

namespace {

// A null key or text from a caller is taken as the empty text rather than
// dereferenced.
std::string_view orEmpty(const char* s) {
    return s != nullptr ? std::string_view(s) : std::string_view("", 0);
}

// Constructed when the library loads, before the host can call in.
LangHandler theLangHandler;

}  // namespace

LangHandler& TheLangHandler() {
    return theLangHandler;
}

void LangHandler::AddText(const char* key, const char* text) {
    texts_.add(orEmpty(key), orEmpty(text));
}

const text::WideChar* LangHandler::GetWideString(const char* key) {
    return texts_.wide(orEmpty(key));
}

const char* LangHandler::GetUtf8String(const char* key) {
    return texts_.utf8(orEmpty(key)).data();
}

std::string_view LangHandler::GetUtf8String(std::string_view key) {
    return texts_.utf8(key);
}

}  // namespace kvr::strings
