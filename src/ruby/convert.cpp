#include "ruby/convert.h"

#include <climits>
#include <cstdint>
#include <cstring>

#include "ruby/calls.h"
#include "ruby/expected_value.h"
#include "ruby/protect.h"
#include "ruby/ruby_api.h"

#if !defined(KVR_RUBY18)
#include <ruby/encoding.h>
#endif

namespace kvr::rb {

bool isString(Value v) {
    return RB_TYPE_P(v, T_STRING);
}

void expectString(Value v, std::string_view subject) {
    if (!isString(v)) {
        raiseExpected("TypeError", subject, "a String", v);
    }
}

bool isArray(Value v) {
    return RB_TYPE_P(v, T_ARRAY);
}

long arrayLength(Value ary) {
    return static_cast<long>(RARRAY_LEN(ary));
}

Value arrayEntry(Value ary, long index) {
    return protect([ary, index] { return rb_ary_entry(ary, index); });
}

StringBytes bytesUpToNul(const char* ptr, std::size_t length) {
    if (ptr == nullptr) {
        return {};
    }
    const void* nul = std::memchr(ptr, '\0', length);
    return {ptr, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - ptr) : length};
}

StringBytes stringBytes(Value str) {
    expectString(str);
    return bytesUpToNul(RSTRING_PTR(str), static_cast<std::size_t>(RSTRING_LEN(str)));
}

namespace {

[[noreturn]] void RaiseOutOfRange(std::string_view subject, Value v) {
    raiseExpected("RangeError", subject, "an Integer from -2147483648 to 2147483647", v);
}

// rb_num2long under protection; for a Bignum or a Float it runs no method of
// the value, so that any failure is the interpreter's own RangeError.
bool ConvertNumber(Value v, long* result) {
    try {
        protect([v, result] {
            *result = rb_num2long(v);
            return Value(Qnil);
        });
    } catch (const RubyError& error) {
        if (!isOrdinaryError(error)) {
            throw;
        }
        clearPendingException();
        return false;
    }
    return true;
}

}  // namespace

long toLong(Value v, std::string_view subject) {
    long result = 0;
    if (FIXNUM_P(v)) {
        result = static_cast<long>(FIX2LONG(v));
    } else if (RB_TYPE_P(v, T_BIGNUM) || RB_TYPE_P(v, T_FLOAT)) {
        if (!ConvertNumber(v, &result)) {
            RaiseOutOfRange(subject, v);
        }
    } else if (respondsTo(v, "to_int")) {
        // The object converts itself: its to_int runs, and what it raises, or
        // the interpreter's TypeError for an answer that is no Integer, comes
        // out unchanged.
        protect([v, &result] {
            result = rb_num2long(v);
            return Value(Qnil);
        });
    } else {
        raiseExpected("TypeError", subject, "an Integer", v);
    }
#if LONG_MAX > INT32_MAX
    // Where a long has 64 bits, refuse what the product's 32-bit long could not
    // hold, so that every build agrees.
    if (result < INT32_MIN || result > INT32_MAX) {
        RaiseOutOfRange(subject, v);
    }
#endif
    return result;
}

Value newString(std::string_view utf8) {
    return newStringWithoutNul(utf8.substr(0, bytesUpToNul(utf8.data(), utf8.size()).size));
}

Value newStringWithoutNul(std::string_view utf8) {
    return protect([&utf8] {
#if defined(KVR_RUBY18)
        return rb_str_new(utf8.data(), static_cast<long>(utf8.size()));
#else
        // A new String has no encoding to replace: its tag is set directly,
        // which is what rb_utf8_str_new does after several checks.
        static const int utf8Index = rb_utf8_encindex();
        VALUE str = rb_str_new(utf8.data(), static_cast<long>(utf8.size()));
        RB_ENCODING_SET_INLINED(str, utf8Index);
        return str;
#endif
    });
}

Value newString(const char* nulTerminatedUtf8) {
    return newString(std::string_view(nulTerminatedUtf8 ? nulTerminatedUtf8 : ""));
}

Value integer(long n) {
    return protect([n] { return rb_int2inum(n); });
}

Value asString(Value v) {
    return protect([v] { return rb_obj_as_string(v); });
}

Value nil() {
    return Qnil;
}
Value trueValue() {
    return Qtrue;
}
Value falseValue() {
    return Qfalse;
}
bool isTrue(Value v) {
    return v == Qtrue;
}
bool isNil(Value v) {
    return NIL_P(v);
}

}  // namespace kvr::rb
