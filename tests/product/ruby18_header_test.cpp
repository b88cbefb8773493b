// Checks the project's Ruby 1.8 header, ruby18.h.
//
// For i686-w64-mingw32 it is compiled only (the product runs in its own lane): the
// header's own static_asserts check the 32-bit layouts, and including it after
// <windows.h> shows that no Windows macro clobbers its names. On the build machine it also
// runs: fake heap objects, laid out word by word as the interpreter lays them
// out, show that the accessors read the right fields and that type tests never
// read through an immediate value.
#if defined(_WIN32)
#include <windows.h>
#endif

#include "ruby18.h"

#include <cstdio>

namespace {

int failures = 0;

void expect(bool ok, const char* what) {
    if (!ok) {
        std::printf("FAIL  %s\n", what);
        ++failures;
    }
}

// A heap object as the interpreter allocates it: whole words, header first.
struct FakeObject {
    VALUE words[5];
    VALUE value() const { return reinterpret_cast<VALUE>(words); }
};

// Flag bits above the type code (frozen, tainted, ...) must not change the type.
constexpr unsigned long kOtherFlags = 0x18c0;

void testStringFields() {
    char text[] = "abc";
    FakeObject str{{T_STRING | kOtherFlags, 0, 3, reinterpret_cast<VALUE>(text), 0}};
    expect(RB_TYPE_P(str.value(), T_STRING), "String recognised under other flag bits");
    expect(!RB_TYPE_P(str.value(), T_ARRAY), "String is not an Array");
    expect(RSTRING_LEN(str.value()) == 3, "String length is the third word");
    expect(RSTRING_PTR(str.value()) == text, "String data is the fourth word");

    FakeObject empty{{T_STRING, 0, 0, 0, 0}};
    expect(RSTRING_PTR(empty.value()) == nullptr, "a String without buffer reads as null");
}

void testArrayFields() {
    VALUE elements[2] = {INT2FIX(1), Qnil};
    FakeObject ary{{T_ARRAY | kOtherFlags, 0, 2, 77, reinterpret_cast<VALUE>(elements)}};
    expect(RB_TYPE_P(ary.value(), T_ARRAY), "Array recognised");
    expect(!RB_TYPE_P(ary.value(), T_STRING), "Array is not a String");
    expect(RARRAY_LEN(ary.value()) == 2, "Array length is the third word");
    expect(RARRAY_PTR(ary.value()) == elements, "Array elements are the fifth word, after aux");
}

// Each immediate must be typed from the word alone: these words point
// nowhere, and reading through one would crash this test.
void testImmediates() {
    expect(TYPE(Qnil) == T_NIL && RB_TYPE_P(Qnil, T_NIL), "nil");
    expect(TYPE(Qfalse) == T_FALSE, "false");
    expect(TYPE(Qtrue) == T_TRUE, "true");
    expect(TYPE(Qundef) == T_UNDEF, "undef");
    expect(TYPE(INT2FIX(-3)) == T_FIXNUM && TYPE(INT2FIX(0)) == T_FIXNUM, "Fixnums");
    expect(TYPE((1234UL << 8) | SYMBOL_FLAG) == T_SYMBOL, "Symbol");
    expect(TYPE(0x16) == T_NONE, "an unknown immediate is no type");
    expect(!RB_TYPE_P(Qnil, T_STRING) && !RB_TYPE_P(INT2FIX(7), T_STRING), "immediates");
}

void testFixnums() {
    const long samples[] = {0, 1, -1, 42, -42, 1000000, -1000000, FIXNUM_MAX, FIXNUM_MIN};
    for (long n : samples) {
        VALUE v = INT2FIX(n);
        expect(FIXNUM_P(v) && FIX2LONG(v) == n, "Fixnum round trip");
        expect(FIXABLE(n), "sample in Fixnum range");
    }
    expect(!FIXABLE(FIXNUM_MAX + 1) && !FIXABLE(FIXNUM_MIN - 1), "Fixnum range ends");
    expect(INT2FIX(-2) == (~VALUE(0) << 2 | 1), "negative Fixnum word");
}

}  // namespace

int main() {
    testStringFields();
    testArrayFields();
    testImmediates();
    testFixnums();
    std::printf("ruby18.h: %s\n", failures ? "FAILED" : "ok");
    return failures ? 1 : 0;
}
