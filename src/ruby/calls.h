// Calls into the interpreter, each protected (see protect.h): a Ruby exception
// comes out as a RubyError.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "ruby/ruby_error.h"
#include "ruby/ruby_value.h"

namespace kvr::rb {

// Evaluates Ruby source at top level (rb_eval_string): class and constant names.
Value evalString(const char* source);

// Evaluates the path of a constant ("KVR::KVRPreConstraint"). When it is not
// defined, the NameError names the constant and says what it is for (role,
// e.g. "the plug-in's pre-constraint class, ..."); any other exception of the
// evaluation comes out as it was raised.
Value evalConstant(const char* path, std::string_view role);

// An instance variable of obj, "@name" spelt in full; nil when unset.
Value ivarGet(Value obj, const char* name);

// Calls a method by name with positional arguments (private methods too, as
// rb_funcall does).
Value callv(Value receiver, const char* method, std::size_t argc, const Value* argv);

template <class... Args>
Value call(Value receiver, const char* method, Args... args) {
    std::array<Value, sizeof...(Args)> argv{Value(args)...};
    return callv(receiver, method, argv.size(), argv.data());
}

// Whether obj is an instance of klass or of a subclass, asked of the
// interpreter directly (rb_obj_is_kind_of), so that no method of obj runs.
bool isKindOf(Value obj, Value klass);

// Whether obj answers the method (rb_respond_to; an object's own respond_to?
// may run).
bool respondsTo(Value obj, const char* method);

// Whether a carried exception is an ordinary error (a StandardError) rather
// than a request to stop (exit, Ctrl-C), a fatal condition or a throw.
bool isOrdinaryError(const RubyError& error);

// Raises an exception of the named class with a UTF-8 message, as a RubyError
// (with the backtrace of a real raise).
[[noreturn]] void raiseError(const char* exceptionClass, std::string_view message);

// An Array of three elements.
Value newArray(Value a, Value b, Value c);

// Defines (or reopens) a top-level class derived from Object.
Value defineClass(const char* name);

// Defines an instance method; the function receives the receiver and its
// arguments. Bodies written in C++ are defined through ruby/method.h, which
// wraps them in the guarded outermost frame.
using Method0 = Value (*)(Value self);
using Method1 = Value (*)(Value self, Value arg);
using Method2 = Value (*)(Value self, Value arg1, Value arg2);
void defineMethod(Value klass, const char* name, Method0 fn);
void defineMethod(Value klass, const char* name, Method1 fn);
void defineMethod(Value klass, const char* name, Method2 fn);

}  // namespace kvr::rb
