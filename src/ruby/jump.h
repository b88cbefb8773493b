// The interpreter-specific half of carrying a Ruby jump through C++: what is
// kept when a protected call fails (ruby_error.h declares the resumption).
#pragma once

#include "ruby/ruby_error.h"
#include "ruby/ruby_value.h"

namespace kvr::rb::detail {

// What a RubyError must carry for a protected call that failed with state:
// the exception object for a raise, the tag for a throw (3.1), otherwise what
// the interpreter holds of the jump. Call it right after the failure, before
// any other Ruby code runs.
Value carriedJumpValue(int state);

}  // namespace kvr::rb::detail
