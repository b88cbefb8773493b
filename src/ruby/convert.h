// Conversions between Ruby values and native data, as the module uses them.
// A value of the wrong kind gets the interpreter's exception class (TypeError,
// RangeError) with a message that names what was being converted, what it
// must be and what came (see expected_value.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ruby/ruby_value.h"

namespace kvr::rb {

// A String's character data: its bytes up to the first NUL byte. Ruby 1.8
// Strings may have no character buffer at all; data is then null.
struct StringBytes {
    const char* data = nullptr;
    std::size_t size = 0;

    bool hasBuffer() const { return data != nullptr; }
    std::string_view view() const {
        return hasBuffer() ? std::string_view(data, size) : std::string_view();
    }
};

// Whether v is a String.
bool isString(Value v);

// Raises TypeError (as a RubyError) unless v is a String: "<subject> must be a
// String (got ...)".
void expectString(Value v, std::string_view subject = "the value");

// Whether v is an Array.
bool isArray(Value v);

// The length of an Array and its element at index (nil beyond the end); the
// caller has checked the type with isArray.
long arrayLength(Value ary);
Value arrayEntry(Value ary, long index);

// The character data of a String (checked with expectString). The bytes stay
// valid while the String lives and is not modified.
StringBytes stringBytes(Value str);

// The bytes as stored in a String object's own fields, up to the first NUL;
// for the conversion logic alone (the caller has checked the type).
StringBytes bytesUpToNul(const char* ptr, std::size_t length);

// An Integer's value: a Fixnum directly, a Bignum or a Float (truncated) as
// the interpreter converts it, an object that answers to_int through its
// to_int (whatever that raises comes out as it was raised). TypeError for
// anything else (nil, a String, a Symbol...); RangeError beyond 32 bits, the
// width of the product's long, on every build. subject names the value in the
// message ("the constraint's type").
long toLong(Value v, std::string_view subject = "the value");

// A new String from UTF-8 bytes (up to the first NUL, like rb_str_new2); tagged
// UTF-8 where the interpreter has encodings.
Value newString(std::string_view utf8);
Value newString(const char* nulTerminatedUtf8);
// The same for bytes known to hold no NUL (a text of the language handler's
// tables), which are then not looked through again.
Value newStringWithoutNul(std::string_view utf8);

// A Ruby Integer.
Value integer(long n);

// v.to_s as a String (the interpreter's rb_obj_as_string).
Value asString(Value v);

}  // namespace kvr::rb
