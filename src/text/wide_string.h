// UTF-16 text as the dialogs hold it, and its conversion from and to UTF-8.
// On Windows the platform's converters (code page 65001) do the work; on Linux
// a stand-in gives the same results, U+FFFD for invalid input included.
#pragma once

#include <string>
#include <string_view>

namespace kvr::text {

#if defined(_WIN32)
using WideChar = wchar_t;
#define KVR_WIDE(s) L##s
#else
using WideChar = char16_t;
#define KVR_WIDE(s) u##s
#endif

using WideString = std::basic_string<WideChar>;
using WideView = std::basic_string_view<WideChar>;

// UTF-8 to UTF-16. An invalid sequence becomes one U+FFFD (by the rules of
// the platform's converter, which the stand-in follows).
WideString utf8ToWide(std::string_view utf8);

// The same into out, which has room for utf8.size() units: no sequence, valid
// or not, yields more UTF-16 units than it has bytes. Returns the number of
// units written; no terminator is added.
std::size_t utf8ToWide(std::string_view utf8, WideChar* out);

// UTF-16 to UTF-8. An unpaired surrogate becomes U+FFFD.
std::string wideToUtf8(WideView wide);

}  // namespace kvr::text
