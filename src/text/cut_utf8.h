// Cutting UTF-8 text to a byte budget without splitting a character: for
// fixed-size buffers (the About box's lines) and for bounded excerpts of
// untrusted values in messages.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kvr::text {

// The first bytes of text, at most maxBytes, never cutting a character in two.
std::string cutUtf8(std::string_view text, std::size_t maxBytes);

}  // namespace kvr::text
