// The one test of UTF-8 validity the translators' tool uses: for the JSON
// output, which replaces what is not UTF-8, and for the checker, which names
// it by line and column.
#pragma once

#include <cstddef>
#include <string_view>

namespace kvr::translators {

// The length of the valid UTF-8 sequence at s[i], or 0: overlong forms,
// surrogates and code points above U+10FFFF are not valid.
inline std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    std::size_t n = c < 0x80                 ? 1
                    : c >= 0xC2 && c <= 0xDF ? 2
                    : c >= 0xE0 && c <= 0xEF ? 3
                    : c >= 0xF0 && c <= 0xF4 ? 4
                                             : 0;
    if (n == 0 || i + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
    }
    if ((c == 0xE0 && byte(i + 1) < 0xA0) || (c == 0xED && byte(i + 1) >= 0xA0) ||
        (c == 0xF0 && byte(i + 1) < 0x90) || (c == 0xF4 && byte(i + 1) >= 0x90)) {
        return 0;
    }
    return n;
}

}  // namespace kvr::translators
