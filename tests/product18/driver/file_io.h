// The driver's few file chores (the script, the report, the URL log, the
// pictures) with paths as the window system gives them, UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace driver {

// The file's bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

// Replaces the file's bytes, or appends to them; false on any failure.
bool WriteWholeFile(const std::wstring& path, std::string_view bytes);
bool AppendToFile(const std::wstring& path, std::string_view bytes);

}  // namespace driver
