#include "ruby/convert.h"

#include <climits>
#include <cstdint>
#include <cstring>

#include "ruby/protect.h"
#include "ruby/ruby_api.h"

#if !defined(KVR_RUBY18)
#include <ruby/encoding.h>
#endif

namespace kvr::rb {

bool isString(Value v) {
    return RB_TYPE_P(v, T_STRING);
}

void expectString(Value v) {
    if (isString(v)) {
        return;
    }
    protect([v] {
        rb_check_type(v, T_STRING);
        return Value(Qnil);
    });
}

void expectArray(Value v) {
    if (RB_TYPE_P(v, T_ARRAY)) {
        return;
    }
    protect([v] {
        rb_check_type(v, T_ARRAY);
        return Value(Qnil);
    });
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

long toLong(Value v) {
    long result = 0;
    if (FIXNUM_P(v)) {
        result = static_cast<long>(FIX2LONG(v));
    } else {
        protect([v, &result] {
            result = rb_num2long(v);
            return Value(Qnil);
        });
    }
#if LONG_MAX > INT32_MAX
    // Where a long has 64 bits, refuse what the product's 32-bit long could not
    // hold, with the interpreter's own RangeError, so that every build agrees.
    if (result < INT32_MIN || result > INT32_MAX) {
        protect([v]() -> Value {
            VALUE text = rb_inspect(v);
            rb_raise(rb_eRangeError, "integer %s too big to convert to `long'",
                     StringValueCStr(text));
        });
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
