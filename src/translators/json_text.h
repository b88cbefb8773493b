// Strings for a JSON document. A file's bytes need not be UTF-8: a byte that
// is not part of a valid sequence becomes U+FFFD, and hexBytes gives the
// exact bytes beside it.
#pragma once

#include <string>
#include <string_view>

namespace kvr::translators {

std::string jsonString(std::string_view bytes);
std::string hexBytes(std::string_view bytes);

}  // namespace kvr::translators
