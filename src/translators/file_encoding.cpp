#include "translators/file_encoding.h"

#include <algorithm>
#include <cstdio>

#include "translators/utf8_sequence.h"

namespace kvr::translators {

namespace {

const char* const kSaveAsUtf8 = "save it as UTF-8 (in Notepad: Save As, Encoding: UTF-8)";

// "le" or "be" when the file is UTF-16, by its byte-order mark or, without
// one, by a NUL in every other byte where ASCII characters stand.
const char* utf16Order(std::string_view bytes, bool& marked) {
    marked =
        bytes.size() >= 2 && (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF");
    if (marked) {
        return bytes[0] == '\xFF' ? "little-endian" : "big-endian";
    }
    const std::size_t pairs = std::min<std::size_t>(bytes.size(), 1024) / 2;
    std::size_t lowNul = 0;
    std::size_t highNul = 0;
    for (std::size_t i = 0; i < pairs; ++i) {
        const bool first = bytes[2 * i] == '\0';
        const bool second = bytes[2 * i + 1] == '\0';
        lowNul += !first && second;
        highNul += first && !second;
    }
    // Mostly ASCII in UTF-16 has its NULs on one side of nearly every pair.
    if (pairs >= 2 && 4 * lowNul >= 3 * pairs) {
        return "little-endian";
    }
    if (pairs >= 2 && 4 * highNul >= 3 * pairs) {
        return "big-endian";
    }
    return nullptr;
}

std::string hex(std::string_view bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", c);
        out += (out.empty() ? "" : " ") + std::string(digits);
    }
    return out;
}

// The character a lone byte stands for in Latin-1, as UTF-8, for the
// common case of a file saved in Latin-1 or Windows-1252.
std::string latin1(unsigned char c) {
    if (c < 0xA0) {
        return "";
    }
    std::string out;
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
    return out;
}

std::string invalidMessage(std::string_view sequence) {
    const bool one = sequence.size() == 1;
    std::string message = (one ? "byte " : "bytes ") + hex(sequence) +
                          (one ? " is not UTF-8" : " are not a UTF-8 sequence");
    const std::string guess = one ? latin1(static_cast<unsigned char>(sequence[0])) : "";
    if (!guess.empty()) {
        message += " (\"" + guess + "\" in Latin-1: the file may be Latin-1 or Windows-1252)";
    }
    return message + ": the dialogs show \xEF\xBF\xBD for it; " + kSaveAsUtf8;
}

}  // namespace

FileEncoding examineEncoding(std::string_view bytes) {
    FileEncoding result;
    bool marked = false;
    if (const char* order = utf16Order(bytes, marked)) {
        result.utf16 = true;
        result.issues.push_back(
            {0,
             std::string("the file is UTF-16 (") + order +
                 (marked ? ", by its byte-order mark" : ", a NUL in every other byte") +
                 "; Notepad calls it \"Unicode\"): the module reads UTF-8 only and finds none of "
                 "its texts in it; " +
                 kSaveAsUtf8,
             true});
        return result;
    }
    std::size_t i = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        result.issues.push_back(
            {0,
             "the file starts with a UTF-8 byte-order mark: the module reads it as bytes before "
             "the first key's opening quote and ignores it, so the first key does not hold it "
             "(nothing is lost)",
             false});
        i = 3;
    }
    while (i < bytes.size()) {
        const std::size_t n = utf8SequenceLength(bytes, i);
        if (n != 0) {
            i += n;
            continue;
        }
        // One invalid sequence: the byte and the continuation bytes after it.
        std::size_t end = i + 1;
        while (end < bytes.size() && end - i < 4 &&
               (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) {
            ++end;
        }
        result.issues.push_back({i, invalidMessage(bytes.substr(i, end - i)), true});
        i = end;
    }
    return result;
}

}  // namespace kvr::translators
