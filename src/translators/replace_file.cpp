#include "translators/replace_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "text/wide_string.h"
#else
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kvr::translators {

#if defined(_WIN32)

namespace {

std::string lastError(const std::string& what) {
    return what + " (error " + std::to_string(GetLastError()) + ")";
}

}  // namespace

std::string replaceFile(const std::string& path, const std::string& bytes) {
    const text::WideString target = text::utf8ToWide(path);
    if (target.empty()) {
        return "the path is not UTF-8";
    }
    // A new name beside the target: the rename stays on one volume.
    HANDLE file = INVALID_HANDLE_VALUE;
    text::WideString temp;
    for (unsigned attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temp = target + text::utf8ToWide(".kvr-strings-" + std::to_string(GetCurrentProcessId()) +
                                         "-" + std::to_string(attempt) + ".tmp");
        file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            return lastError("cannot create a file beside it");
        }
    }
    if (file == INVALID_HANDLE_VALUE) {
        return "cannot create a file beside it";
    }
    std::size_t done = 0;
    bool written = true;
    while (written && done < bytes.size()) {
        DWORD n = 0;
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        written = WriteFile(file, bytes.data() + done, chunk, &n, nullptr) != 0;
        done += n;
    }
    written = written && FlushFileBuffers(file) != 0;
    std::string error = written ? "" : lastError("cannot write the new file");
    CloseHandle(file);
    if (error.empty() && !MoveFileExW(temp.c_str(), target.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = lastError("cannot put the new file in its place");
    }
    if (!error.empty()) {
        DeleteFileW(temp.c_str());
    }
    return error;
}

#else

namespace {

std::string failed(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

// The file a symbolic link names, so that the link survives the update.
std::string resolved(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
        return path;
    }
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) != nullptr ? std::string(buffer) : path;
}

}  // namespace

std::string replaceFile(const std::string& requested, const std::string& bytes) {
    const std::string path = resolved(requested);
    std::string temp = path + ".kvr-strings-XXXXXX";
    const int descriptor = ::mkstemp(temp.data());
    if (descriptor == -1) {
        return failed("cannot create a file beside it");
    }
    // The permissions of the file replaced, or those a new file gets.
    struct stat status {};
    mode_t mode = 0;
    if (::stat(path.c_str(), &status) == 0) {
        mode = status.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    std::string error;
    std::size_t done = 0;
    while (error.empty() && done < bytes.size()) {
        const ssize_t n = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR) {
            error = failed("cannot write the new file");
        }
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    if (error.empty() && (::fchmod(descriptor, mode) != 0 || ::fsync(descriptor) != 0)) {
        error = failed("cannot write the new file");
    }
    if (::close(descriptor) != 0 && error.empty()) {
        error = failed("cannot write the new file");
    }
    if (error.empty() && ::rename(temp.c_str(), path.c_str()) != 0) {
        error = failed("cannot put the new file in its place");
    }
    if (!error.empty()) {
        ::unlink(temp.c_str());
    }
    return error;
}

#endif

}  // namespace kvr::translators
