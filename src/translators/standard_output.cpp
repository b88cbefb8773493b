#include "translators/standard_output.h"

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstring>

#include "text/wide_string.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kvr::translators {

#if defined(_WIN32)

namespace {

struct FileIdentity {
    unsigned long long volume = 0;
    unsigned char id[16] = {};
};

// The file's volume and id: FileIdInfo where the system has it (Windows 8
// on), the older 64-bit file index otherwise.
bool identify(HANDLE handle, FileIdentity& identity) {
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr ||
        GetFileType(handle) != FILE_TYPE_DISK) {
        return false;
    }
    FILE_ID_INFO info{};
    if (GetFileInformationByHandleEx(handle, FileIdInfo, &info, sizeof info)) {
        identity.volume = info.VolumeSerialNumber;
        std::memcpy(identity.id, info.FileId.Identifier, sizeof identity.id);
        return true;
    }
    BY_HANDLE_FILE_INFORMATION old{};
    if (!GetFileInformationByHandle(handle, &old)) {
        return false;
    }
    identity.volume = old.dwVolumeSerialNumber;
    std::memcpy(identity.id, &old.nFileIndexLow, sizeof old.nFileIndexLow);
    std::memcpy(identity.id + 4, &old.nFileIndexHigh, sizeof old.nFileIndexHigh);
    return true;
}

}  // namespace

bool standardOutputIs(const std::string& path) {
    FileIdentity out;
    if (!identify(GetStdHandle(STD_OUTPUT_HANDLE), out)) {
        return false;
    }
    const text::WideString widePath = text::utf8ToWide(path);
    HANDLE file = CreateFileW(widePath.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    FileIdentity in;
    const bool known = identify(file, in);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    // Wine gives a standard handle it inherited from a Unix shell the volume
    // 0: unknown, so the file id alone decides there.
    return known && std::memcmp(in.id, out.id, sizeof in.id) == 0 &&
           (in.volume == out.volume || out.volume == 0);
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
