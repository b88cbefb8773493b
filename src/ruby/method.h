// The outermost frame of every Ruby-callable method, and its definition on a
// class in one line: defineMethod<&Body>(klass, "Name") (defineSingletonMethod
// for a module function of the test driver).
//
// The body runs inside a try block that lets no C++ exception reach Ruby; a
// Ruby exception that the body carried out as a RubyError is re-raised only
// after the body's frame, and with it every C++ object of the call, is gone.
#pragma once

#include "ruby/calls.h"
#include "ruby/ruby_error.h"
#include "ruby/ruby_value.h"

namespace kvr::rb {

// Native failures the outermost frame swallowed since the last reset. Test
// builds count them, so that a test can tell one from a Cancel (the method
// returns nil either way); the product keeps no count.
#if defined(KVR_TEST_DRIVER)
void noteSwallowedNativeFailure() noexcept;
long swallowedNativeFailures() noexcept;
void resetSwallowedNativeFailures() noexcept;
#else
inline void noteSwallowedNativeFailure() noexcept {}
#endif

template <class Body>
Value RunGuarded(PendingJump& jump, Body&& body) noexcept {
    try {
        return body();
    } catch (const RubyError& error) {
        jump.state = error.state();
        jump.errinfo = error.errinfo();
    } catch (...) {
        // A native failure (out of memory) is not turned into a Ruby exception.
        noteSwallowedNativeFailure();
    }
    return nil();
}

namespace detail {

// The C function Ruby calls for the C++ function Body (same parameters). Only
// plain data lives in this frame when rb_jump_tag leaves it.
template <auto Body, class Signature = decltype(Body)>
struct GuardedMethod;

template <auto Body, class... Args>
struct GuardedMethod<Body, Value (*)(Value, Args...)> {
    static Value call(Value self, Args... args) {
        PendingJump jump;
        Value result = RunGuarded(jump, [self, args...] { return Body(self, args...); });
        if (jump.state != 0) {
            jumpTo(jump);
        }
        return result;
    }
};

}  // namespace detail

// Defines Body (Value (Value self[, Value arg...])) as an instance method.
template <auto Body>
void defineMethod(Value klass, const char* name) {
    defineMethod(klass, name, &detail::GuardedMethod<Body>::call);
}

#if defined(KVR_TEST_DRIVER)
// Module functions, for the test driver's module (test builds only: the
// product's Ruby 1.8 interface declares no rb_define_singleton_method).
void defineSingletonMethod(Value module, const char* name, Method0 fn);
void defineSingletonMethod(Value module, const char* name, Method1 fn);

// Defines Body (Value (Value self[, Value arg])) as a module function.
template <auto Body>
void defineSingletonMethod(Value module, const char* name) {
    defineSingletonMethod(module, name, &detail::GuardedMethod<Body>::call);
}
#endif

}  // namespace kvr::rb
