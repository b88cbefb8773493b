// Keeps a Ruby value that lives in heap memory registered with the garbage
// collector for as long as the guard lives.
#pragma once

#include "ruby/ruby_value.h"

namespace kvr::rb {

class GcGuard {
public:
    explicit GcGuard(Value v = 0);
    ~GcGuard();
    GcGuard(const GcGuard&) = delete;
    GcGuard& operator=(const GcGuard&) = delete;

    Value value() const { return value_; }
    void set(Value v) { value_ = v; }

private:
    // Registered by address: the guard never moves.
    Value value_;
};

}  // namespace kvr::rb
