// Building Ruby values for the test driver (test builds run on Ruby 3.1 only,
// so the driver may use the interpreter's interface beyond the product's).
#pragma once

#include <string_view>
#include <vector>

#include "framework/win_api.h"
#include "ruby/method.h"
#include "ruby/ruby_value.h"
#include "text/wide_string.h"

namespace kvr::testing {

rb::Value ArrayOf(const std::vector<rb::Value>& items);
rb::Value WideToRuby(text::WideView text);
text::WideString RubyToWide(rb::Value string);
// A font description: a Hash with :face, :height, :weight, :italic, :underline, :charset.
rb::Value FontHash(const LOGFONTW& font);
// The name of a Symbol (or a String's text).
std::string NameOf(rb::Value symbol);
// Defines Body (no arguments) as a module function, in the guarded frame.
void DefineSingletonMethod(rb::Value module, const char* name, rb::Value (*fn)(rb::Value));
template <auto Body>
void DefineSingletonMethod(rb::Value module, const char* name) {
    DefineSingletonMethod(module, name, &rb::detail::GuardedMethod<Body>::call);
}

}  // namespace kvr::testing
