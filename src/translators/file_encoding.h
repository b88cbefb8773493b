// What a strings file holds if not UTF-8. The module reads bytes and takes
// them for UTF-8: a UTF-16 file (Notepad's "Unicode") yields no text at all,
// and a Latin-1 or Windows-1252 byte shows as U+FFFD in the dialogs. The
// checker names these by encoding, not by the records they spoil.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kvr::translators {

struct EncodingIssue {
    std::size_t offset;  // of the first byte concerned
    std::string message;
    bool losesText;
};

struct FileEncoding {
    // Set when the file is UTF-16: its records mean nothing to the module,
    // so the issue is the whole report.
    bool utf16 = false;
    std::vector<EncodingIssue> issues;  // in file order
};

FileEncoding examineEncoding(std::string_view bytes);

}  // namespace kvr::translators
