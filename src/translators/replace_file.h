// Writes a file so that a reader never sees it half written and a failure
// never leaves it emptied: the bytes go to a new file beside it, which then
// takes its place in one rename. Updating a translation in place therefore
// keeps the old file until the new one is complete on disk.
#pragma once

#include <string>

namespace kvr::translators {

// Replaces (or creates) the file at path, a UTF-8 path, with bytes. A file
// that exists keeps its permissions; a symbolic link keeps pointing at the
// file it names, which is the one replaced. Returns an empty string on
// success, otherwise what failed (the old file is then unchanged).
std::string replaceFile(const std::string& path, const std::string& bytes);

}  // namespace kvr::translators
