#include "strings/text_arena.h"

#include <algorithm>
#include <utility>

namespace kvr::strings {

void* TextArena::allocate(std::size_t bytes, std::size_t alignment) {
    void* at = next_;
    if (next_ == nullptr || std::align(alignment, bytes, at, left_) == nullptr) {
        // A request larger than a chunk (a very long text) gets a chunk of its
        // own size; what was left of the current chunk is given up.
        const std::size_t size = std::max(kChunkSize, bytes + alignment);
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
