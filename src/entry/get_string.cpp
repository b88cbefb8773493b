// KVRGUI_LangHandler#GetString(key): the translation of key, or key itself.

#include "entry/methods.h"

#include "ruby/convert.h"
#include "strings/lang_handler.h"

namespace kvr::entry {

rb::Value GetString(rb::Value, rb::Value key) {
    // The key is the String's bytes up to its first NUL; anything but a String
    // gets a TypeError. The tables' texts hold no NUL.
    rb::expectString(key, "the key of GetString");
    return rb::newStringWithoutNul(
        strings::TheLangHandler().GetUtf8String(rb::stringBytes(key).view()));
}

}  // namespace kvr::entry
