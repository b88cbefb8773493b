// A Ruby exception (or other non-local exit) caught by a protected call and
// carried through C++ code as a C++ exception, until the outermost method
// wrapper re-raises it in Ruby once every C++ object of the call is gone.
#pragma once

#include <memory>

#include "ruby/gc_guard.h"
#include "ruby/ruby_value.h"

namespace kvr::rb {

// rb_protect's state for a raised exception (TAG_RAISE).
constexpr int kStateRaise = 6;

class RubyError {
public:
    RubyError(int state, Value errinfo)
        : state_(state), errinfo_(std::make_shared<GcGuard>(errinfo)) {}

    // rb_protect's state: 6 for a raised exception, 1..5 and 7..8 for other exits.
    int state() const { return state_; }
    // The exception object for a raise; for a throw its tag (1.8: whatever
    // $! held); for other exits what the interpreter held of the jump.
    Value errinfo() const { return errinfo_->value(); }

private:
    int state_;
    std::shared_ptr<GcGuard> errinfo_;  // copies share one registration
};

// What the outermost wrapper needs to re-raise: plain data, no destructor, so
// that it may stay alive across rb_jump_tag. The value sits on the machine
// stack, which the garbage collector scans.
struct PendingJump {
    int state = 0;
    Value errinfo = 0;
};

// Re-raises a pending jump in Ruby. Never returns. Call it only from a frame
// that owns no C++ object with a destructor.
[[noreturn]] void jumpTo(const PendingJump& jump);

// Forgets an exception that was deliberately swallowed, so that it is not left
// pending ($! reset to nil).
void clearPendingException();

}  // namespace kvr::rb
