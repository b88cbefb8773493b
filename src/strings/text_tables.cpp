#include "strings/text_tables.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

namespace kvr::strings {

namespace {

// Marks a UTF-16 text not converted yet: it is the entry's UTF-8 text.
const text::WideChar kNotConverted[1] = {0};

std::uint64_t load64(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

std::uint64_t load32(const char* p) {
    std::uint32_t word;
    std::memcpy(&word, p, 4);
    return word;
}

// A 32-bit hash of bytes, mixed eight at a time in 64 bits, with a final mix so
// that the low bits, which pick the slot, depend on every byte. The last word of a key of
// eight bytes or more overlaps the one before; a shorter key is read in two
// overlapping halves or byte by byte. With the length mixed in first, every
// byte counts and no read goes past the key.
std::uint32_t hashOf(std::string_view bytes) {
    constexpr std::uint64_t k = 0x9E3779B97F4A7C15ull;
    const char* p = bytes.data();
    const std::size_t n = bytes.size();
    std::uint64_t h = n * k;
    const auto mixIn = [&h](std::uint64_t word) {
        h = (h ^ word) * k;
        h ^= h >> 29;
    };
    if (n >= 8) {
        const char* last = p + n - 8;
        for (; p < last; p += 8) {
            mixIn(load64(p));
        }
        mixIn(load64(last));
    } else if (n >= 4) {
        mixIn(load32(p) | load32(p + n - 4) << 32);
    } else if (n != 0) {
        const auto byte = [p](std::size_t i) {
            return std::uint64_t(static_cast<unsigned char>(p[i]));
        };
        mixIn(byte(0) | byte(n / 2) << 8 | byte(n - 1) << 16);
    }
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93ull;
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

// A key's length is kept in 32 bits, which is more than any text of a dialog or
// a strings file needs; a longer key from a caller is refused.
std::uint32_t length32(std::string_view bytes) {
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("a text of 4 GiB or more cannot be looked up");
    }
    return static_cast<std::uint32_t>(bytes.size());
}

// At most half the slots are taken, so a search ends soon at a free one.
constexpr bool fits(std::size_t entries, std::size_t slots) {
    return entries <= slots / 2;
}

}  // namespace

// An entry, followed in the arena by its key's bytes and a NUL, and, when it
// was entered with a text, by that text and a NUL.
struct TextTables::Entry {
    const char* utf8 = nullptr;            // null: not in the UTF-8 table
    const text::WideChar* wide = nullptr;  // null: not in the UTF-16 table
    std::uint32_t keyLength = 0;
    std::uint32_t hash = 0;  // the key's hash, which picks its slot

    std::string_view key() const { return {reinterpret_cast<const char*>(this + 1), keyLength}; }
    // Measured when asked for: a text is short, and a length here would make
    // every entry a quarter larger.
    std::string_view utf8Text() const { return utf8; }
};

TextTables::Entry* TextTables::find(std::string_view key, std::uint32_t hash,
                                    std::size_t& at) const {
    if (slots_.empty()) {
        return nullptr;
    }
    const std::size_t mask = slots_.size() - 1;
    for (at = hash & mask;; at = (at + 1) & mask) {
        Entry* entry = slots_[at];
        if (entry == nullptr) {
            return nullptr;
        }
        if (entry->hash == hash && entry->key() == key) {
            return entry;
        }
    }
}

void TextTables::reserve(std::size_t entries) {
    std::size_t slots = std::max<std::size_t>(slots_.size(), 64);
    while (!fits(entries, slots)) {
        if (slots > slots_.max_size() / 2) {
            throw std::length_error("too many texts for one table");
        }
        slots *= 2;
    }
    if (slots != slots_.size()) {
        rehash(slots);
    }
}

void TextTables::rehash(std::size_t slots) {
    std::vector<Slot> old(slots, nullptr);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (Entry* entry : old) {
        if (entry != nullptr) {
            std::size_t at = entry->hash & mask;
            while (slots_[at] != nullptr) {
                at = (at + 1) & mask;
            }
            slots_[at] = entry;
        }
    }
}

TextTables::Entry* TextTables::findOrMake(std::string_view key, std::string_view text, bool& made) {
    const std::uint32_t hash = hashOf(key);
    std::size_t at = 0;
    if (Entry* entry = find(key, hash, at)) {
        made = false;
        return entry;
    }
    const std::uint32_t keyLength = length32(key);
    const std::size_t textLength = text.size();
    if (!fits(entries_ + 1, slots_.size())) {
        reserve(entries_ + 1);
        find(key, hash, at);
    }
    const std::size_t size = sizeof(Entry) + keyLength + 1 + (text.data() ? textLength + 1 : 0);
    char* bytes = static_cast<char*>(arena_.allocate(size, alignof(Entry)));
    Entry* entry = new (bytes) Entry;
    char* keyBytes = bytes + sizeof(Entry);
    if (keyLength != 0) {
        std::memcpy(keyBytes, key.data(), keyLength);
    }
    keyBytes[keyLength] = '\0';
    entry->keyLength = keyLength;
    if (text.data() != nullptr) {
        char* textBytes = keyBytes + keyLength + 1;
        std::memcpy(textBytes, text.data(), textLength);
        textBytes[textLength] = '\0';
        entry->utf8 = textBytes;
    }
    entry->hash = hash;
    slots_[at] = entry;
    ++entries_;
    made = true;
    return entry;
}

const char* TextTables::copy(std::string_view bytes) {
    char* at = static_cast<char*>(arena_.allocate(bytes.size() + 1, 1));
    if (!bytes.empty()) {
        std::memcpy(at, bytes.data(), bytes.size());
    }
    at[bytes.size()] = '\0';
    return at;
}

const text::WideChar* TextTables::convert(std::string_view utf8) {
    // No sequence yields more UTF-16 units than it has bytes.
    auto* at = static_cast<text::WideChar*>(
        arena_.allocate((utf8.size() + 1) * sizeof(text::WideChar), alignof(text::WideChar)));
    at[text::utf8ToWide(utf8, at)] = 0;
    return at;
}

const text::WideChar* TextTables::wideOf(Entry& entry) {
    if (entry.wide == kNotConverted) {
        entry.wide = convert(entry.utf8Text());
    }
    return entry.wide;
}

void TextTables::add(std::string_view key, std::string_view text) {
    // The first text of a key wins in each table. A null view is the empty
    // text, so that an entry always has a text to point to.
    if (text.data() == nullptr) {
        text = std::string_view("", 0);
    }
    bool made = false;
    Entry* entry = findOrMake(key, text, made);
    if (made) {
        entry->wide = kNotConverted;
        ++utf8Size_;
        ++wideSize_;
        return;
    }
    if (entry->utf8 == nullptr) {
        entry->utf8 = copy(text);
        ++utf8Size_;
    }
    if (entry->wide == nullptr) {
        // Deferred only when the UTF-8 text is this same text; otherwise (the
        // UTF-8 table took the key as a miss) converted now.
        entry->wide = entry->utf8Text() == text ? kNotConverted : convert(text);
        ++wideSize_;
    }
}

std::string_view TextTables::utf8(std::string_view key) {
    bool made = false;
    Entry* entry = findOrMake(key, {}, made);
    if (entry->utf8 == nullptr) {
        // A miss stands for itself: the entry's own copy of the key, so that a
        // caller never holds on to its argument's bytes.
        entry->utf8 = entry->key().data();
        ++utf8Size_;
    }
    return entry->utf8Text();
}

const text::WideChar* TextTables::wide(std::string_view key) {
    bool made = false;
    Entry* entry = findOrMake(key, {}, made);
    if (entry->wide == nullptr) {
        entry->wide = convert(entry->key());
        ++wideSize_;
    }
    return wideOf(*entry);
}

std::optional<std::string_view> TextTables::findUtf8(std::string_view key) const {
    std::size_t at = 0;
    const Entry* entry = find(key, hashOf(key), at);
    if (entry == nullptr || entry->utf8 == nullptr) {
        return std::nullopt;
    }
    return entry->utf8Text();
}

std::optional<text::WideView> TextTables::findWide(std::string_view key) {
    std::size_t at = 0;
    Entry* entry = find(key, hashOf(key), at);
    if (entry == nullptr || entry->wide == nullptr) {
        return std::nullopt;
    }
    return text::WideView(wideOf(*entry));
}

std::vector<TextTables::Entry*> TextTables::entriesInKeyOrder() const {
    std::vector<Entry*> entries;
    entries.reserve(entries_);
    for (Entry* entry : slots_) {
        if (entry != nullptr) {
            entries.push_back(entry);
        }
    }
    // string_view compares as unsigned bytes.
    std::sort(entries.begin(), entries.end(),
              [](const Entry* a, const Entry* b) { return a->key() < b->key(); });
    return entries;
}

std::vector<std::pair<std::string_view, std::string_view>> TextTables::utf8Pairs() const {
    std::vector<std::pair<std::string_view, std::string_view>> pairs;
    for (const Entry* entry : entriesInKeyOrder()) {
        if (entry->utf8 != nullptr) {
            pairs.emplace_back(entry->key(), entry->utf8Text());
        }
    }
    return pairs;
}

std::vector<std::pair<std::string_view, text::WideView>> TextTables::widePairs() {
    std::vector<std::pair<std::string_view, text::WideView>> pairs;
    for (Entry* entry : entriesInKeyOrder()) {
        if (entry->wide != nullptr) {
            pairs.emplace_back(entry->key(), wideOf(*entry));
        }
    }
    return pairs;
}

std::size_t TextTables::bytesHeld() const {
    return slots_.capacity() * sizeof(Slot) + arena_.bytesHeld();
}

}  // namespace kvr::strings
