// The Ruby 1.8 C interface as the product uses it: the value word, the special
// values, the type codes, the String and Array layouts, and the functions and
// globals imported from msvcrt-ruby18.dll (32-bit Windows, cdecl). Only what
// the module needs is declared. Every imported name must also be listed in
// msvcrt-ruby18.def, from which the import library is made.
//
// The accessors are inline functions rather than macros, so that they are
// type-checked and evaluate their argument once.
#pragma once

#if !defined(__cplusplus)
#error "ruby18.h is a C++ header"
#endif

#include <climits>
#include <cstddef>

#if defined(_WIN32)
#define KVR_RUBY18_IMPORT __declspec(dllimport)
#else
// Lets the header compile on the build machine for its own checks.
#define KVR_RUBY18_IMPORT
#endif

#define KVR_RUBY18_NORETURN __attribute__((noreturn))

// The interpreter's value word and its symbol ids: as wide as a pointer.
typedef unsigned long VALUE;
typedef unsigned long ID;

static_assert(sizeof(VALUE) == sizeof(void*), "Ruby 1.8 needs long as wide as a pointer");

// ---- Immediate values ----------------------------------------------------

constexpr VALUE Qfalse = 0;
constexpr VALUE Qtrue = 2;
constexpr VALUE Qnil = 4;
constexpr VALUE Qundef = 6;

constexpr VALUE FIXNUM_FLAG = 0x01;
constexpr VALUE IMMEDIATE_MASK = 0x03;
constexpr VALUE SYMBOL_FLAG = 0x0e;

// The Fixnum range: one bit of the word is the Fixnum flag.
constexpr long FIXNUM_MAX = LONG_MAX >> 1;
constexpr long FIXNUM_MIN = -FIXNUM_MAX - 1;

constexpr bool FIXNUM_P(VALUE v) {
    return (v & FIXNUM_FLAG) != 0;
}
constexpr bool IMMEDIATE_P(VALUE v) {
    return (v & IMMEDIATE_MASK) != 0;
}
constexpr bool SYMBOL_P(VALUE v) {
    return (v & 0xff) == SYMBOL_FLAG;
}
constexpr bool NIL_P(VALUE v) {
    return v == Qnil;
}
// Ruby's own truthiness: everything but nil and false.
constexpr bool RTEST(VALUE v) {
    return (v & ~Qnil) != 0;
}
// Not a pointer to a heap object.
constexpr bool SPECIAL_CONST_P(VALUE v) {
    return IMMEDIATE_P(v) || !RTEST(v);
}

// The word is n shifted left by one with the flag set. Shifting the unsigned
// word keeps negative n well defined; the arithmetic right shift undoes it.
constexpr VALUE INT2FIX(long n) {
    return (static_cast<VALUE>(n) << 1) | FIXNUM_FLAG;
}
constexpr long FIX2LONG(VALUE v) {
    return static_cast<long>(v) >> 1;
}
constexpr bool FIXABLE(long n) {
    return n >= FIXNUM_MIN && n <= FIXNUM_MAX;
}

// ---- Type codes (the 1.8 numbering; 1.9 renumbered them) -----------------

constexpr int T_NONE = 0x00;
constexpr int T_NIL = 0x01;
constexpr int T_OBJECT = 0x02;
constexpr int T_CLASS = 0x03;
constexpr int T_ICLASS = 0x04;
constexpr int T_MODULE = 0x05;
constexpr int T_FLOAT = 0x06;
constexpr int T_STRING = 0x07;
constexpr int T_REGEXP = 0x08;
constexpr int T_ARRAY = 0x09;
constexpr int T_FIXNUM = 0x0a;
constexpr int T_HASH = 0x0b;
constexpr int T_STRUCT = 0x0c;
constexpr int T_BIGNUM = 0x0d;
constexpr int T_FILE = 0x0e;
constexpr int T_TRUE = 0x20;
constexpr int T_FALSE = 0x21;
constexpr int T_DATA = 0x22;
constexpr int T_MATCH = 0x23;
constexpr int T_SYMBOL = 0x24;
constexpr int T_UNDEF = 0x3c;
constexpr int T_NODE = 0x3f;
constexpr int T_MASK = 0x3f;

// ---- Heap objects --------------------------------------------------------

// The header every heap object starts with.
struct RBasic {
    unsigned long flags;  // the type code in its low six bits
    VALUE klass;
};

struct RString {
    RBasic basic;
    long len;
    char* ptr;  // may be null: a String need not have a character buffer
    union {
        long capa;
        VALUE shared;
    } aux;
};

struct RArray {
    RBasic basic;
    long len;
    union {
        long capa;
        VALUE shared;
    } aux;
    VALUE* ptr;  // may be null when the Array is empty
};

inline RBasic* RBASIC(VALUE v) {
    return reinterpret_cast<RBasic*>(v);
}
inline RString* RSTRING(VALUE v) {
    return reinterpret_cast<RString*>(v);
}
inline RArray* RARRAY(VALUE v) {
    return reinterpret_cast<RArray*>(v);
}

// The type code of a heap object (v must not be a special constant).
inline int BUILTIN_TYPE(VALUE v) {
    return static_cast<int>(RBASIC(v)->flags & T_MASK);
}

// The type code of any value. Immediates are recognised from the word alone;
// only a heap object's header is read.
inline int TYPE(VALUE v) {
    if (FIXNUM_P(v)) {
        return T_FIXNUM;
    }
    switch (v) {
        case Qnil:
            return T_NIL;
        case Qfalse:
            return T_FALSE;
        case Qtrue:
            return T_TRUE;
        case Qundef:
            return T_UNDEF;
        default:
            break;
    }
    if (SYMBOL_P(v)) {
        return T_SYMBOL;
    }
    if (SPECIAL_CONST_P(v)) {
        return T_NONE;  // no object has such a word; never read through it
    }
    return BUILTIN_TYPE(v);
}

inline bool RB_TYPE_P(VALUE v, int t) {
    return TYPE(v) == t;
}

// String and Array fields (the value must be of that type).
inline long RSTRING_LEN(VALUE str) {
    return RSTRING(str)->len;
}
inline char* RSTRING_PTR(VALUE str) {
    return RSTRING(str)->ptr;
}
inline long RARRAY_LEN(VALUE ary) {
    return RARRAY(ary)->len;
}
inline VALUE* RARRAY_PTR(VALUE ary) {
    return RARRAY(ary)->ptr;
}

// ---- Imported functions and globals --------------------------------------

extern "C" {

// A method's C function as rb_define_method takes it: the interpreter calls it
// with the receiver and as many arguments as the arity says.
typedef VALUE (*RubyMethodFunc)(...);

KVR_RUBY18_IMPORT VALUE rb_define_class(const char* name, VALUE super);
KVR_RUBY18_IMPORT void rb_define_method(VALUE klass, const char* name, RubyMethodFunc func,
                                        int argc);
KVR_RUBY18_IMPORT ID rb_intern(const char* name);
KVR_RUBY18_IMPORT VALUE rb_funcall(VALUE recv, ID mid, int n, ...);
KVR_RUBY18_IMPORT VALUE rb_funcall2(VALUE recv, ID mid, int argc, const VALUE* argv);
KVR_RUBY18_IMPORT VALUE rb_eval_string(const char* source);
KVR_RUBY18_IMPORT VALUE rb_eval_string_protect(const char* source, int* state);
KVR_RUBY18_IMPORT VALUE rb_iv_get(VALUE obj, const char* name);
KVR_RUBY18_IMPORT long rb_num2long(VALUE v);
KVR_RUBY18_IMPORT VALUE rb_str_new(const char* ptr, long len);
KVR_RUBY18_IMPORT VALUE rb_str_new2(const char* ptr);
KVR_RUBY18_IMPORT VALUE rb_ary_new3(long n, ...);
KVR_RUBY18_IMPORT VALUE rb_protect(VALUE (*func)(VALUE), VALUE arg, int* state);
KVR_RUBY18_IMPORT KVR_RUBY18_NORETURN void rb_jump_tag(int state);
KVR_RUBY18_IMPORT void rb_gc_register_address(VALUE* addr);
KVR_RUBY18_IMPORT void rb_gc_unregister_address(VALUE* addr);
KVR_RUBY18_IMPORT VALUE rb_obj_is_kind_of(VALUE obj, VALUE klass);
// The message is formatted into a 512-byte buffer: pass user text as an
// argument of "%s", never as the format.
KVR_RUBY18_IMPORT KVR_RUBY18_NORETURN void rb_raise(VALUE exc, const char* fmt, ...)
    __attribute__((format(printf, 2, 3)));
KVR_RUBY18_IMPORT KVR_RUBY18_NORETURN void rb_exc_raise(VALUE exc);
KVR_RUBY18_IMPORT VALUE rb_obj_as_string(VALUE obj);
KVR_RUBY18_IMPORT char* rb_string_value_ptr(volatile VALUE* ptr);
KVR_RUBY18_IMPORT VALUE rb_check_string_type(VALUE v);
KVR_RUBY18_IMPORT VALUE rb_str_to_str(VALUE v);
KVR_RUBY18_IMPORT VALUE rb_ary_entry(VALUE ary, long index);
KVR_RUBY18_IMPORT int rb_respond_to(VALUE obj, ID mid);
KVR_RUBY18_IMPORT VALUE rb_int2inum(long n);
KVR_RUBY18_IMPORT void rb_check_type(VALUE v, int type);
// The name of obj's class (singleton classes skipped), for messages; runs no
// method of obj.
KVR_RUBY18_IMPORT const char* rb_obj_classname(VALUE obj);

// Globals of the interpreter. ruby_errinfo holds the exception a failed
// rb_protect left behind (1.8 has no rb_errinfo()).
KVR_RUBY18_IMPORT extern VALUE rb_cObject;
KVR_RUBY18_IMPORT extern VALUE rb_eTypeError;
KVR_RUBY18_IMPORT extern VALUE rb_eArgError;
KVR_RUBY18_IMPORT extern VALUE ruby_errinfo;

}  // extern "C"

// Casts a method function of any arity to the type rb_define_method takes.
template <class F>
inline RubyMethodFunc RUBY_METHOD_FUNC(F* func) {
    return reinterpret_cast<RubyMethodFunc>(reinterpret_cast<void (*)()>(func));
}

// ---- The documented constants and layouts ----------------------------------

static_assert(Qfalse == 0 && Qtrue == 2 && Qnil == 4 && Qundef == 6, "special values");
static_assert(!RTEST(Qnil) && !RTEST(Qfalse) && RTEST(Qtrue) && RTEST(INT2FIX(0)), "RTEST");
static_assert(SPECIAL_CONST_P(Qnil) && SPECIAL_CONST_P(Qfalse) && SPECIAL_CONST_P(Qtrue) &&
                  SPECIAL_CONST_P(Qundef) && SPECIAL_CONST_P(INT2FIX(7)) &&
                  SPECIAL_CONST_P(SYMBOL_FLAG | (5UL << 8)) && !SPECIAL_CONST_P(0x1000),
              "special constants");
static_assert(INT2FIX(0) == 1 && INT2FIX(1) == 3 && INT2FIX(-1) == ~VALUE(0), "Fixnum words");
static_assert(FIX2LONG(INT2FIX(-5)) == -5 && FIX2LONG(INT2FIX(FIXNUM_MAX)) == FIXNUM_MAX &&
                  FIX2LONG(INT2FIX(FIXNUM_MIN)) == FIXNUM_MIN,
              "Fixnum round trip");
static_assert(!FIXNUM_P(Qnil) && !FIXNUM_P(Qtrue) && !FIXNUM_P(Qundef) && !SYMBOL_P(Qnil),
              "Fixnum and Symbol flags");
static_assert(T_STRING == 0x07 && T_ARRAY == 0x09 && T_FIXNUM == 0x0a && T_SYMBOL == 0x24 &&
                  T_NIL == 0x01 && T_TRUE == 0x20 && T_FALSE == 0x21 && T_UNDEF == 0x3c,
              "Ruby 1.8 type codes");
static_assert((T_NODE & ~T_MASK) == 0, "type codes fit the mask");

#if defined(__i386__)
static_assert(sizeof(VALUE) == 4 && sizeof(long) == 4, "32-bit value word");
static_assert(FIXNUM_MAX == 1073741823L && FIXNUM_MIN == -1073741824L, "Fixnum range");
static_assert(sizeof(RBasic) == 8 && offsetof(RBasic, klass) == 4, "object header");
static_assert(sizeof(RString) == 20 && offsetof(RString, len) == 8 &&
                  offsetof(RString, ptr) == 12 && offsetof(RString, aux) == 16,
              "String layout");
static_assert(sizeof(RArray) == 20 && offsetof(RArray, len) == 8 && offsetof(RArray, aux) == 12 &&
                  offsetof(RArray, ptr) == 16,
              "Array layout");
#endif
