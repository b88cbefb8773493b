// The outermost frame of every Ruby-callable method. The body runs inside a
// try block that lets no C++ exception reach Ruby; a Ruby exception that the
// body carried out as a RubyError is re-raised only after the body's frame,
// and with it every C++ object of the call, is gone.
#pragma once

#include "ruby/ruby_error.h"
#include "ruby/ruby_value.h"

namespace kvr::entry {

template <class Body>
rb::Value RunGuarded(rb::PendingJump& jump, Body&& body) noexcept {
    try {
        return body();
    } catch (const rb::RubyError& error) {
        jump.state = error.state();
        jump.errinfo = error.errinfo();
    } catch (...) {
        // A native failure (out of memory) is not turned into a Ruby exception.
    }
    return rb::nil();
}

}  // namespace kvr::entry

// Defines the C function Ruby calls for a method of arity 0 or 1 whose body is
// the C++ function `body` (same parameters). Only plain data lives in this
// frame when rb_jump_tag leaves it.
#define KVR_RUBY_METHOD_0(cname, body)                                                       \
    extern "C" kvr::rb::Value cname(kvr::rb::Value self) {                                   \
        kvr::rb::PendingJump jump;                                                           \
        kvr::rb::Value result = kvr::entry::RunGuarded(jump, [self] { return body(self); }); \
        if (jump.state != 0)                                                                 \
            kvr::rb::jumpTo(jump);                                                           \
        return result;                                                                       \
    }

#define KVR_RUBY_METHOD_1(cname, body)                                             \
    extern "C" kvr::rb::Value cname(kvr::rb::Value self, kvr::rb::Value arg) {     \
        kvr::rb::PendingJump jump;                                                 \
        kvr::rb::Value result =                                                    \
            kvr::entry::RunGuarded(jump, [self, arg] { return body(self, arg); }); \
        if (jump.state != 0)                                                       \
            kvr::rb::jumpTo(jump);                                                 \
        return result;                                                             \
    }

#define KVR_RUBY_METHOD_2(cname, body)                                                         \
    extern "C" kvr::rb::Value cname(kvr::rb::Value self, kvr::rb::Value a, kvr::rb::Value b) { \
        kvr::rb::PendingJump jump;                                                             \
        kvr::rb::Value result =                                                                \
            kvr::entry::RunGuarded(jump, [self, a, b] { return body(self, a, b); });           \
        if (jump.state != 0)                                                                   \
            kvr::rb::jumpTo(jump);                                                             \
        return result;                                                                         \
    }
