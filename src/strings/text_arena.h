// The memory of the language handler's tables. Entries are only ever added
// and live until the handler goes, so nothing is given back one by one: an
// allocation is a pointer bump in the current chunk, and everything is freed
// with the arena. Entries, keys and texts added one after another lie side by
// side, which keeps the memory a lookup touches close together.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace kvr::strings {

class TextArena {
public:
    // Chunks grow from a small first one, so that a file of a few dozen texts
    // takes a few KiB, to one modest size, so that a late allocation (a miss
    // entered long after loading) adds at most one more chunk, and the C
    // runtime can hand the same memory out again once a handler is gone.
    static constexpr std::size_t kFirstChunkSize = 4 * 1024;
    static constexpr std::size_t kChunkSize = 64 * 1024;

    TextArena() = default;
    TextArena(const TextArena&) = delete;
    TextArena& operator=(const TextArena&) = delete;

    // Uninitialised memory of bytes at the alignment (a power of two), valid
    // until the arena goes.
    void* allocate(std::size_t bytes, std::size_t alignment);

    // The bytes of every chunk taken so far.
    std::size_t bytesHeld() const { return held_; }

private:
    std::vector<std::unique_ptr<std::byte[]>> chunks_;
    std::byte* next_ = nullptr;
    std::size_t left_ = 0;
    std::size_t held_ = 0;
};

}  // namespace kvr::strings
