// Opens a strings file for reading, by a path given as UTF-8 bytes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace kvr::strings {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens in binary mode: the reader itself turns CR LF into a line feed, so
// both platforms read the same bytes. On Windows the path is converted from
// UTF-8 to UTF-16 and opened with the wide call; only if that fails are its
// bytes tried as they are (the ANSI code page). Only a regular file is read:
// a FIFO, a pipe, a device (/dev/zero, CON, NUL) or a folder would block, read
// without end or read nothing, and counts as not found. Null when it cannot be
// opened or is no regular file.
FilePtr OpenStringsFile(const std::string& path);

// The size in bytes of an open file, 0 when it cannot be told.
std::uint64_t FileSize(std::FILE* file);

}  // namespace kvr::strings
