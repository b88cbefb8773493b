// Every call into Ruby that can raise goes through protect(): it runs the call
// under rb_protect and turns an exception (or any other non-local exit) into a
// C++ RubyError carrying the state and the exception object.
#pragma once

#include <type_traits>

#include "ruby/ruby_error.h"
#include "ruby/ruby_value.h"

namespace kvr::rb {

namespace detail {
Value protectRaw(Value (*thunk)(void*), void* data);
}

// Runs fn() under rb_protect and returns its result; throws RubyError when the
// call did not finish. fn must own no object with a destructor: an exception
// leaves it by longjmp. Keep it to the one interpreter call it wraps.
template <class F>
Value protect(F&& fn) {
    using Fn = std::remove_reference_t<F>;
    return detail::protectRaw([](void* p) -> Value { return (*static_cast<Fn*>(p))(); }, &fn);
}

}  // namespace kvr::rb
