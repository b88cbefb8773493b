// Header selection: the real interpreter headers, or the project's own Ruby 1.8
// header for the product. Only files of src/ruby/ and src/testing/ include this.
#pragma once

#if defined(KVR_RUBY18)
#include "ruby18.h"
#else
#include <ruby.h>
#endif

#include <type_traits>

#include "ruby/ruby_value.h"

static_assert(std::is_same_v<VALUE, kvr::rb::Value>,
              "kvr::rb::Value must be the interpreter's VALUE");

namespace kvr::rb::detail {

// The exception object a failed protected call left behind.
inline VALUE pendingErrinfo() {
#if defined(KVR_RUBY18)
    return ruby_errinfo;
#else
    return rb_errinfo();
#endif
}

inline void setPendingErrinfo(VALUE v) {
#if defined(KVR_RUBY18)
    ruby_errinfo = v;
#else
    rb_set_errinfo(v);
#endif
}

}  // namespace kvr::rb::detail
