#include "translators/standard_output.h"

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "text/wide_string.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kvr::translators {

#if defined(_WIN32)

namespace {

bool identify(HANDLE handle, BY_HANDLE_FILE_INFORMATION& info) {
    return handle != INVALID_HANDLE_VALUE && handle != nullptr &&
           GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) != 0;
}

}  // namespace

bool standardOutputIs(const std::string& path) {
    BY_HANDLE_FILE_INFORMATION out{};
    if (!identify(GetStdHandle(STD_OUTPUT_HANDLE), out)) {
        return false;
    }
    const text::WideString widePath = text::utf8ToWide(path);
    HANDLE file = CreateFileW(widePath.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    BY_HANDLE_FILE_INFORMATION in{};
    const bool known = identify(file, in);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    return known && in.dwVolumeSerialNumber == out.dwVolumeSerialNumber &&
           in.nFileIndexHigh == out.nFileIndexHigh && in.nFileIndexLow == out.nFileIndexLow;
}

#else

bool standardOutputIs(const std::string& path) {
    struct stat out {};
    struct stat in {};
    return ::fstat(STDOUT_FILENO, &out) == 0 && ::stat(path.c_str(), &in) == 0 &&
           S_ISREG(out.st_mode) && out.st_dev == in.st_dev && out.st_ino == in.st_ino;
}

#endif

}  // namespace kvr::translators
