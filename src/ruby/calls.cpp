#include "ruby/calls.h"

#include "ruby/protect.h"
#include "ruby/ruby_api.h"

namespace kvr::rb {

Value evalString(const char* source) {
    return protect([source] { return rb_eval_string(source); });
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

void raiseError(const char* exceptionClass, const char* message) {
    Value klass = evalString(exceptionClass);
    protect([klass, message]() -> Value { rb_raise(klass, "%s", message); });
    throw RubyError(kStateRaise, Qnil);  // not reached: rb_raise always raises
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
