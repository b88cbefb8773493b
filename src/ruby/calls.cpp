#include "ruby/calls.h"

#include <string>

#include "ruby/convert.h"
#include "ruby/protect.h"
#include "ruby/ruby_api.h"

namespace kvr::rb {

Value evalString(const char* source) {
    return protect([source] { return rb_eval_string(source); });
}

namespace {

// Whether a failed evaluation of path was the interpreter's NameError for a
// constant that is still not defined (defined? runs no const_missing).
bool IsUndefinedConstant(const RubyError& error, const char* path) {
    if (error.state() != kStateRaise || !isKindOf(error.errinfo(), evalString("NameError")) ||
        isKindOf(error.errinfo(), evalString("NoMethodError"))) {
        return false;
    }
    const std::string probe = std::string("defined?(") + path + ")";
    return isNil(evalString(probe.c_str()));
}

}  // namespace

Value evalConstant(const char* path, std::string_view role) {
    try {
        return evalString(path);
    } catch (const RubyError& error) {
        if (!IsUndefinedConstant(error, path)) {
            throw;
        }
    }
    clearPendingException();
    std::string message = std::string("uninitialized constant ") + path + ": " + std::string(role);
    raiseError("NameError", message);
}

Value ivarGet(Value obj, const char* name) {
    return protect([obj, name] { return rb_iv_get(obj, name); });
}

Value callv(Value receiver, const char* method, std::size_t argc, const Value* argv) {
    return protect([receiver, method, argc, argv] {
        ID id = rb_intern(method);
        return rb_funcall2(receiver, id, static_cast<int>(argc), const_cast<VALUE*>(argv));
    });
}

bool isKindOf(Value obj, Value klass) {
    return protect([obj, klass] { return rb_obj_is_kind_of(obj, klass); }) == Qtrue;
}

bool respondsTo(Value obj, const char* method) {
    return protect([obj, method] {
               return rb_respond_to(obj, rb_intern(method)) ? Value(Qtrue) : Value(Qfalse);
           }) == Qtrue;
}

bool isOrdinaryError(const RubyError& error) {
    return error.state() == kStateRaise && isKindOf(error.errinfo(), evalString("StandardError"));
}

void raiseError(const char* exceptionClass, std::string_view message) {
    // Built as `raise Class, message` builds it, with a String tagged UTF-8.
    Value exception = call(evalString(exceptionClass), "exception", newString(message));
    protect([exception]() -> Value { rb_exc_raise(exception); });
    throw RubyError(kStateRaise, Qnil);  // not reached: rb_exc_raise always raises
}

Value newArray(Value a, Value b, Value c) {
    return protect([a, b, c] { return rb_ary_new3(3, a, b, c); });
}

Value defineClass(const char* name) {
    return protect([name] { return rb_define_class(name, rb_cObject); });
}

void defineMethod(Value klass, const char* name, Method0 fn) {
    protect([klass, name, fn] {
        rb_define_method(klass, name, RUBY_METHOD_FUNC(fn), 0);
        return Value(Qnil);
    });
}

void defineMethod(Value klass, const char* name, Method1 fn) {
    protect([klass, name, fn] {
        rb_define_method(klass, name, RUBY_METHOD_FUNC(fn), 1);
        return Value(Qnil);
    });
}

void defineMethod(Value klass, const char* name, Method2 fn) {
    protect([klass, name, fn] {
        rb_define_method(klass, name, RUBY_METHOD_FUNC(fn), 2);
        return Value(Qnil);
    });
}

}  // namespace kvr::rb
