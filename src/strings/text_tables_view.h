// A read-only look at the language handler's tables: how many entries each
// holds and what they are, for the tests and tools that inspect a handler.
// Nothing read through it enters a key; a UTF-16 text may be converted on
// first reading, as a lookup would.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "strings/text_tables.h"
#include "text/wide_string.h"

namespace kvr::strings {

class TextTablesView {
public:
    explicit TextTablesView(TextTables& tables) : tables_(tables) {}

    std::size_t utf8Size() const { return tables_.utf8Size(); }
    std::size_t wideSize() const { return tables_.wideSize(); }
    std::optional<std::string_view> findUtf8(std::string_view key) const {
        return tables_.findUtf8(key);
    }
    std::optional<text::WideView> findWide(std::string_view key) const {
        return tables_.findWide(key);
    }
    std::vector<std::pair<std::string_view, std::string_view>> utf8Pairs() const {
        return tables_.utf8Pairs();
    }
    std::vector<std::pair<std::string_view, text::WideView>> widePairs() const {
        return tables_.widePairs();
    }
    std::size_t bytesHeld() const { return tables_.bytesHeld(); }

private:
    TextTables& tables_;
};

}  // namespace kvr::strings
