#include "strings/text_arena.h"

#include <algorithm>
#include <utility>

namespace kvr::strings {

void* TextArena::allocate(std::size_t bytes, std::size_t alignment) {
    void* at = next_;
    if (next_ == nullptr || std::align(alignment, bytes, at, left_) == nullptr) {
        // Each chunk is as large as all before it, within bounds; a request
        // larger than that (a very long text) gets a chunk of its own size.
        // What was left of the current chunk is given up.
        const std::size_t step = std::min(kChunkSize, std::max(kFirstChunkSize, held_));
        const std::size_t size = std::max(step, bytes + alignment);
        std::unique_ptr<std::byte[]> chunk(new std::byte[size]);  // left uninitialised
        at = chunk.get();
        chunks_.push_back(std::move(chunk));
        held_ += size;
        left_ = size;
        std::align(alignment, bytes, at, left_);
    }
    next_ = static_cast<std::byte*>(at) + bytes;
    left_ -= bytes;
    return at;
}

}  // namespace kvr::strings
