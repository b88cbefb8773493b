// The messages of the exceptions the module raises itself when a Ruby value
// is not what it needs: what was expected, and the value that came, named by
// its class and an excerpt of its inspect ("the constraint's type must be an
// Integer (got String "21")"). The value is untrusted: its inspect may raise,
// answer something other than a String or run to megabytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ruby/ruby_value.h"

namespace kvr::rb {

// The most bytes of a value's inspect a message shows; longer ones are cut
// (between characters) and end in "...".
constexpr std::size_t kMaxInspectBytes = 60;

// "nil", "true" or "false"; otherwise the class name and the value's inspect,
// cut to kMaxInspectBytes ("String \"21\"", "Integer 4294967296"). The class
// name alone when inspect raises an ordinary error (which is then forgotten)
// or answers no String. A request to stop raised by inspect (exit, Interrupt,
// throw) comes out as a RubyError, as from any other call.
std::string describeValue(Value v);

// Raises exceptionClass (as a RubyError) with the message
// "<subject> must be <expected> (got <describeValue(got)>)".
[[noreturn]] void raiseExpected(const char* exceptionClass, std::string_view subject,
                                std::string_view expected, Value got);

}  // namespace kvr::rb
