// KVRGUI_LangHandler#GetString(key): the translation of key, or key itself.

#include "entry/methods.h"

#include <string>

#include "ruby/convert.h"
#include "strings/lang_handler.h"

namespace kvr::entry {

rb::Value GetString(rb::Value, rb::Value key) {
    // The key is the String's bytes up to its first NUL; anything but a String
    // gets the interpreter's TypeError.
    std::string bytes(rb::stringBytes(key).view());
    return rb::newString(strings::langHandler().GetUtf8String(bytes.c_str()));
}

}  // namespace kvr::entry
