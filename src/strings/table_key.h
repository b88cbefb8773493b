// The keys of the language handler's tables and their order. A key owns its
// bytes (NUL-terminated, in the table's memory) and carries its first eight
// bytes as one number, most significant first. Comparing those numbers orders
// two keys exactly as comparing their bytes as unsigned bytes would, as far as
// those bytes go, so a search decides at most levels of the tree from the node
// itself, without following a pointer to the key's bytes; only keys that share
// their first eight bytes are compared in full.
#pragma once

#include <cstdint>
#include <memory_resource>
#include <string>
#include <string_view>

namespace kvr::strings {

// The first eight bytes of a key as a number; a shorter key is padded with
// zero bytes, which sorts it before any longer key it begins.
inline std::uint64_t keyHead(std::string_view bytes) {
    std::uint64_t head = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        head = (head << 8) | (i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u);
    }
    return head;
}

// A caller's key, measured and headed once for a whole search.
struct KeyProbe {
    explicit KeyProbe(std::string_view b) : head(keyHead(b)), bytes(b) {}
    std::uint64_t head;
    std::string_view bytes;
};

class TableKey {
public:
    using allocator_type = std::pmr::polymorphic_allocator<char>;

    TableKey(std::string_view bytes, const allocator_type& memory)
        : head_(keyHead(bytes)), bytes_(bytes, memory) {}
    TableKey(const TableKey& other, const allocator_type& memory)
        : head_(other.head_), bytes_(other.bytes_, memory) {}

    std::uint64_t head() const { return head_; }
    std::string_view view() const { return bytes_; }
    const char* c_str() const { return bytes_.c_str(); }

private:
    std::uint64_t head_;
    std::pmr::string bytes_;
};

// Byte order of keys (unsigned bytes), for stored keys and probes alike.
struct KeyOrder {
    using is_transparent = void;

    template <class A, class B>
    static bool less(std::uint64_t headA, A a, std::uint64_t headB, B b) {
        return headA != headB ? headA < headB : a < b;
    }

    bool operator()(const TableKey& a, const TableKey& b) const {
        return less(a.head(), a.view(), b.head(), b.view());
    }
    bool operator()(const TableKey& a, const KeyProbe& b) const {
        return less(a.head(), a.view(), b.head, b.bytes);
    }
    bool operator()(const KeyProbe& a, const TableKey& b) const {
        return less(a.head, a.bytes, b.head(), b.view());
    }
    bool operator()(const TableKey& a, std::string_view b) const { return (*this)(a, KeyProbe(b)); }
    bool operator()(std::string_view a, const TableKey& b) const { return (*this)(KeyProbe(a), b); }
};

}  // namespace kvr::strings
