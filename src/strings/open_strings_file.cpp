#include "strings/open_strings_file.h"

#if defined(_WIN32)
#include "text/wide_string.h"
#endif

namespace kvr::strings {

FilePtr openStringsFile(const std::string& path) {
    // A path with a NUL byte in it would open some other, shorter path.
    if (path.empty() || path.find('\0') != std::string::npos) {
        return nullptr;
    }
#if defined(_WIN32)
    const text::WideString widePath = text::utf8ToWide(path);
    if (!widePath.empty()) {
        if (std::FILE* file = _wfopen(widePath.c_str(), L"rb")) {
            return FilePtr(file);
        }
    }
#endif
    return FilePtr(std::fopen(path.c_str(), "rb"));
}

}  // namespace kvr::strings
