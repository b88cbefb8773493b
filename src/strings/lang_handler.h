// The language handler: the translations of the strings file in two tables,
// UTF-8 texts for Ruby and UTF-16 texts for the dialogs. A key without a
// translation stands for itself. Entries are only ever added, never moved or
// replaced, so a text handed out stays valid at the same address until the
// library is unloaded. Finding the file through the host is a binding above
// this layer (strings_host/).
#pragma once

#include <string>
#include <string_view>

#include "strings/text_tables.h"
#include "strings/text_tables_view.h"
#include "text/wide_string.h"

namespace kvr::strings {

class LangHandler {
public:
    LangHandler() = default;
    LangHandler(const LangHandler&) = delete;
    LangHandler& operator=(const LangHandler&) = delete;

    // Enters (key, text) into both tables, each only if it does not hold the
    // key yet. Both are NUL-terminated UTF-8.
    void AddText(const char* key, const char* text);

    // The UTF-16 text for a UTF-8 key; a miss enters the key itself, converted.
    const text::WideChar* GetWideString(const char* key);

    // The UTF-8 text for a UTF-8 key; a miss enters a copy of the key itself.
    const char* GetUtf8String(const char* key);
    // The same for a key that is not NUL-terminated (a Ruby String's bytes);
    // the text comes with its length, so that the caller need not measure it.
    std::string_view GetUtf8String(std::string_view key);

    // Reads a strings file at a path (UTF-8 bytes). 0 when read, 1 when it
    // could not be opened.
    int ReadStringsFile(const std::string& path);

    // What both tables hold, read without entering anything.
    TextTablesView tables() { return TextTablesView(texts_); }

private:
    // Both tables (text_tables.h): keys match only the same bytes.
    TextTables texts_;
};

// The module's one language handler, constructed when the library loads
// (lang_handler.cpp).
LangHandler& TheLangHandler();

// Size of the reader's working buffers: record, key, text and path.
constexpr std::size_t kStringsBufferSize = 1024;

// Examines length bytes of a record; on success writes key and text,
// NUL-terminated, into the two kStringsBufferSize buffers and returns 0,
// otherwise returns 1 (the record is skipped).
int ParseStringsRecord(const char* record, std::size_t length, char* key, char* text);

}  // namespace kvr::strings
