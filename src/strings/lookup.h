// Every text a dialog shows is looked up by its English wording.
#pragma once

#include "strings/lang_handler.h"
#include "text/wide_string.h"

namespace kvr::strings {

inline text::WideString Lookup(const char* key) {
    return text::WideString(TheLangHandler().GetWideString(key));
}

}  // namespace kvr::strings
