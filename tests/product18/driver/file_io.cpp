#include "file_io.h"

#include <cstdio>
#include <memory>

namespace driver {

namespace {

struct FileClose {
    void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileClose>;

bool Write(const std::wstring& path, const wchar_t* mode, std::string_view bytes) {
    FILE* file = _wfopen(path.c_str(), mode);
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    // A failed close can lose what was written.
    return std::fclose(file) == 0 && written;
}

}  // namespace

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
    File file(_wfopen(path.c_str(), L"rb"));
    if (!file) {
        return false;
    }
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) {
        bytes.append(buffer, n);
    }
    return std::ferror(file.get()) == 0;
}

bool WriteWholeFile(const std::wstring& path, std::string_view bytes) {
    return Write(path, L"wb", bytes);
}

bool AppendToFile(const std::wstring& path, std::string_view bytes) {
    return Write(path, L"ab", bytes);
}

}  // namespace driver
