// Whether standard output is a given file. "kvr-strings template FILE >
// FILE" would otherwise write into the file it reads: the shell empties FILE
// before the tool starts, so the translations are gone and an all-English
// template takes their place.
#pragma once

#include <string>

namespace kvr::translators {

// True when standard output is the file at path (a UTF-8 path): the same
// device and inode, or on Windows the same volume and file index.
bool standardOutputIs(const std::string& path);

}  // namespace kvr::translators
