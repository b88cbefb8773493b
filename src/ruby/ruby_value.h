// The interpreter's value word, usable without including the interpreter's
// headers (which define many macros that clash with C++ and Windows code).
#pragma once

#include <cstdint>

namespace kvr::rb {

#if defined(_WIN32) && !defined(_WIN64)
// Ruby 1.8 on 32-bit Windows: VALUE is unsigned long (32 bits).
using Value = unsigned long;
#else
// Ruby 3.1 on LP64 Linux and LLP64 Windows: VALUE has the width of a pointer.
using Value = std::uintptr_t;
#endif

// The special objects; their bit patterns differ between Ruby 1.8 and 3.1.
Value nil();
Value trueValue();
Value falseValue();

inline Value boolValue(bool b) {
    return b ? trueValue() : falseValue();
}

// A Ruby result counts as true only when it is the `true` object itself.
bool isTrue(Value v);
bool isNil(Value v);

}  // namespace kvr::rb
