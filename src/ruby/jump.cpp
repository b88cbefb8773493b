// What a failed protected call leaves to carry, and how the jump is resumed
// once the C++ frames it crossed are gone.
//
// Between the failure and the resumption any Ruby code may run (a dialog's
// modal loop dispatches the host's own windows' messages), and that code
// resets what the interpreter keeps of the jump: 3.1 holds a throw's target
// tag only in its pending error info, which a rescue, a catch or a break
// clears, and rb_jump_tag with that info gone crashes the interpreter. So a
// throw carries its tag by value and is thrown afresh. 1.8 keeps a throw's
// target and value in the catch's own frame, which no later code touches, so
// the bare state resumes it there.
#include "ruby/jump.h"

#include "ruby/ruby_api.h"

namespace kvr::rb {

namespace {

constexpr int kStateThrow = 7;

#if !defined(KVR_RUBY18)

// The one interpreter internal the module reads: a pending throw's tag, the
// first field after the object header of 3.1's throw data (an imemo; the
// layout has been the same since 2.3). There is no exported reader, and the
// tag is what the catch compares with; its value stays in the catch's frame.
Value ThrowTag(Value throwData) {
    if (!RB_TYPE_P(throwData, T_IMEMO)) {
        return Qundef;
    }
    return reinterpret_cast<const Value*>(throwData)[2];
}

VALUE ThrowNil(VALUE tag) {
    rb_throw_obj(tag, Qnil);
    return Qnil;
}

// Inside a catch of the tag's own: the throw lands there (leaving the outer
// catch's value untouched) and is stopped by rb_protect before the catch can
// consume it, so the fresh throw data stays pending when the catch returns.
VALUE RethrowIntoProtect(RB_BLOCK_CALL_FUNC_ARGLIST(tag, unused)) {
    static_cast<void>(unused);
    int state = 0;
    rb_protect(ThrowNil, tag, &state);
    return Qnil;
}

[[noreturn]] void ResumeThrow(Value tag) {
    rb_catch_obj(tag, RethrowIntoProtect, Qnil);
    rb_jump_tag(kStateThrow);
    __builtin_unreachable();
}

bool IsException(Value v) {
    return RB_TYPE_P(v, T_OBJECT) && RTEST(rb_obj_is_kind_of(v, rb_eException));
}

// A break, return, next, retry or redo carries frame pointers no exported
// call can rebuild: resumed only while the interpreter still holds it (or, for
// a fatal exit, while what it held can be put back).
[[noreturn]] void ResumeFrameJump(const PendingJump& jump) {
    if (detail::pendingErrinfo() != jump.errinfo && IsException(jump.errinfo)) {
        detail::setPendingErrinfo(jump.errinfo);
    }
    if (detail::pendingErrinfo() == jump.errinfo) {
        rb_jump_tag(jump.state);
    }
    rb_raise(rb_eLocalJumpError,
             "a jump out of a plug-in call (state %d) was lost to Ruby code run in the "
             "dialog before it ended",
             jump.state);
}

#endif

}  // namespace

Value detail::carriedJumpValue(int state) {
#if defined(KVR_RUBY18)
    static_cast<void>(state);
    return detail::pendingErrinfo();
#else
    Value errinfo = detail::pendingErrinfo();
    return state == kStateThrow ? ThrowTag(errinfo) : errinfo;
#endif
}

void jumpTo(const PendingJump& jump) {
    if (jump.state == kStateRaise) {
        // Other code may have raised and rescued since: put the original
        // exception back before re-raising it unchanged.
        detail::setPendingErrinfo(jump.errinfo);
        rb_jump_tag(jump.state);
    }
#if defined(KVR_RUBY18)
    rb_jump_tag(jump.state);
#else
    if (jump.state == kStateThrow && jump.errinfo != Qundef) {
        ResumeThrow(jump.errinfo);
    }
    ResumeFrameJump(jump);
#endif
}

}  // namespace kvr::rb
