// Building Ruby values for the test driver (test builds run on Ruby 3.1 only,
// so the driver may use the interpreter's interface beyond the product's).
#pragma once

#include <string_view>

#include "win_api/win_api.h"
#include "ruby/ruby_value.h"
#include "text/wide_string.h"

namespace kvr::testing {

// An empty Array, and an item appended to it. Arrays are built item by item:
// a Ruby value held only in heap memory (a std::vector's buffer) is invisible
// to the garbage collector, and the next allocation may free it.
rb::Value NewArray();
void Push(rb::Value array, rb::Value item);
rb::Value WideToRuby(text::WideView text);
text::WideString RubyToWide(rb::Value string);
// A font description: a Hash with :face, :height, :weight, :italic, :underline, :charset.
rb::Value FontHash(const LOGFONTW& font);
// The name of a Symbol (or a String's text).
std::string NameOf(rb::Value symbol);

}  // namespace kvr::testing
