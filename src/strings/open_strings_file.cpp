#include "strings/open_strings_file.h"

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include "text/wide_string.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kvr::strings {

namespace {

#if defined(_WIN32)

// Opens for reading without waiting on anyone: a pipe whose server is busy
// fails at once rather than blocking.
HANDLE openForReading(const std::string& path) {
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const text::WideString widePath = text::utf8ToWide(path);
    if (!widePath.empty()) {
        HANDLE file = CreateFileW(reinterpret_cast<LPCWSTR>(widePath.c_str()), GENERIC_READ, share,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            return file;
        }
    }
    return CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

FilePtr openRegularFile(const std::string& path) {
    HANDLE file = openForReading(path);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    // A pipe (FILE_TYPE_PIPE) or a device such as CON or NUL (FILE_TYPE_CHAR)
    // is not a file.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return nullptr;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(file);
        return nullptr;
    }
    std::FILE* stream = _fdopen(descriptor, "rb");
    if (stream == nullptr) {
        _close(descriptor);  // closes the handle too
    }
    return FilePtr(stream);
}

#else

FilePtr openRegularFile(const std::string& path) {
    // Non-blocking, so that opening a FIFO returns at once instead of waiting
    // for a writer; what was opened is then judged on the open descriptor.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor == -1) {
        return nullptr;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return nullptr;
    }
    std::FILE* stream = ::fdopen(descriptor, "rb");
    if (stream == nullptr) {
        ::close(descriptor);
    }
    return FilePtr(stream);
}

#endif

}  // namespace

FilePtr OpenStringsFile(const std::string& path) {
    // A path with a NUL byte in it would open some other, shorter path.
    if (path.empty() || path.find('\0') != std::string::npos) {
        return nullptr;
    }
    return openRegularFile(path);
}

std::uint64_t FileSize(std::FILE* file) {
#if defined(_WIN32)
    struct _stati64 status {};
    if (_fstati64(_fileno(file), &status) != 0 || status.st_size < 0) {
        return 0;
    }
#else
    struct stat status {};
    if (::fstat(::fileno(file), &status) != 0 || status.st_size < 0) {
        return 0;
    }
#endif
    return static_cast<std::uint64_t>(status.st_size);
}

}  // namespace kvr::strings
