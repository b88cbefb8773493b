// The language handler's two tables, UTF-8 texts for Ruby and UTF-16 texts for
// the dialogs, keyed by the same UTF-8 keys, in one hash index.
//
// The tables were ordered maps: two tree inserts per record of the strings
// file, a walk of about fourteen nodes per lookup at 10,000 entries, each a
// likely cache miss. Nothing needs the order, so a key is now looked up in an
// open-addressing index of pointers to entries, at most half full so that a
// search meets a free slot soon; a hit usually touches one slot and one entry,
// and the entry holds the key's hash, its bytes and, after them, the UTF-8
// text that came with it. (Slots that held the hash beside the pointer needed
// a fuller index to fit the same memory, and late entries then sat at the end
// of long runs: slower than the pointer alone.)
//
// One entry serves both tables: it records whether each table holds the key,
// and with which text. The tables still grow apart as they always did: a miss
// enters the key in the one table that was asked, and a later text for that
// key is entered in the other table only.
//
// A UTF-16 text that came from the strings file is converted on its first
// lookup, not when the file is read: most texts of a file are never shown, and
// the conversion used to be a third of the reading. It is converted from the
// entry's UTF-8 text, which is the same text the file gave for both tables.
//
// Entries are only ever added, and every key and text lives in the arena, so a
// text handed out stays valid at the same address until the tables go.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "strings/text_arena.h"
#include "text/wide_string.h"

namespace kvr::strings {

// Keys and texts hold no NUL (the language handler cuts them at the first), so
// a text's end is its NUL.
class TextTables {
public:
    TextTables() = default;
    TextTables(const TextTables&) = delete;
    TextTables& operator=(const TextTables&) = delete;

    // Enters text for key in each table that does not hold key yet.
    void add(std::string_view key, std::string_view text);

    // The UTF-8 text of key, NUL-terminated; a miss enters the key itself.
    std::string_view utf8(std::string_view key);

    // The UTF-16 text of key, NUL-terminated; a miss enters the key converted.
    const text::WideChar* wide(std::string_view key);

    // Makes room in the index for entries in all, so that entering that many
    // does not regrow it.
    void reserve(std::size_t entries);

    // What each table holds, without entering anything.
    std::size_t utf8Size() const { return utf8Size_; }
    std::size_t wideSize() const { return wideSize_; }
    std::optional<std::string_view> findUtf8(std::string_view key) const;
    std::optional<text::WideView> findWide(std::string_view key);

    // Each table's pairs in the byte order of their keys (unsigned bytes).
    std::vector<std::pair<std::string_view, std::string_view>> utf8Pairs() const;
    std::vector<std::pair<std::string_view, text::WideView>> widePairs();

    // The memory the tables hold: the index, and the arena's chunks, which
    // hold every entry, key and text.
    std::size_t bytesHeld() const;

private:
    struct Entry;
    using Slot = Entry*;  // null: the slot is free

    // The entry of key, or null; at is the slot where it is or would go.
    Entry* find(std::string_view key, std::uint32_t hash, std::size_t& at) const;
    // The entry of key, made with the text after it when there is none.
    Entry* findOrMake(std::string_view key, std::string_view text, bool& made);
    void rehash(std::size_t slots);
    // The UTF-16 text of an entry that is in that table, converted if need be.
    const text::WideChar* wideOf(Entry& entry);
    // Copies into the arena, NUL-terminated.
    const char* copy(std::string_view bytes);
    const text::WideChar* convert(std::string_view utf8);
    std::vector<Entry*> entriesInKeyOrder() const;

    std::vector<Slot> slots_;  // a power of two of them, or none
    std::size_t entries_ = 0;
    std::size_t utf8Size_ = 0;
    std::size_t wideSize_ = 0;
    TextArena arena_;
};

}  // namespace kvr::strings
