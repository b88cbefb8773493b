#include "ruby/protect.h"

#include "ruby/jump.h"
#include "ruby/ruby_api.h"

namespace kvr::rb {

namespace {

struct Thunk {
    Value (*fn)(void*);
    void* data;
};

VALUE trampoline(VALUE arg) {
    auto* thunk = reinterpret_cast<Thunk*>(arg);
    return thunk->fn(thunk->data);
}

}  // namespace

Value detail::protectRaw(Value (*thunk)(void*), void* data) {
    Thunk pack{thunk, data};
    int state = 0;
    VALUE result = rb_protect(trampoline, reinterpret_cast<VALUE>(&pack), &state);
    if (state != 0) {
        throw RubyError(state, carriedJumpValue(state));
    }
    return result;
}

void clearPendingException() {
    detail::setPendingErrinfo(Qnil);
}

GcGuard::GcGuard(Value v) : value_(v) {
    rb_gc_register_address(&value_);
}

GcGuard::~GcGuard() {
    rb_gc_unregister_address(&value_);
}

}  // namespace kvr::rb
