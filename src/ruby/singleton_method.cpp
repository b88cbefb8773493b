// Module functions of the test driver (see method.h).
#include "ruby/method.h"
#include "ruby/protect.h"
#include "ruby/ruby_api.h"

namespace kvr::rb {

void defineSingletonMethod(Value module, const char* name, Method0 fn) {
    protect([module, name, fn] {
        rb_define_singleton_method(module, name, RUBY_METHOD_FUNC(fn), 0);
        return Value(Qnil);
    });
}

void defineSingletonMethod(Value module, const char* name, Method1 fn) {
    protect([module, name, fn] {
        rb_define_singleton_method(module, name, RUBY_METHOD_FUNC(fn), 1);
        return Value(Qnil);
    });
}

}  // namespace kvr::rb
