// MultiByteToWideChar and WideCharToMultiByte for UTF-8 (through the
// project's own converters) and the ANSI code page, taken to be Windows-1252.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "win_api/user32.h"
#include "text/wide_string.h"

namespace {

constexpr UINT kWindows1252 = 1252;

// Windows-1252 bytes 0x80 to 0x9F; the five unassigned bytes map to the C1
// control with the same value, as Windows does.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isAnsi(UINT codePage) {
    return codePage == CP_ACP || codePage == kWindows1252;
}

char16_t fromAnsi(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : static_cast<char16_t>(byte);
}

bool toAnsi(char16_t c, char& out) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        out = static_cast<char>(c);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c) {
            out = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

// Copies a converted text out as Win32 does: the size needed when the target
// size is 0; otherwise as many whole units as fit, and 0 when not all did.
template <typename Char>
int deliver(const std::basic_string<Char>& converted, Char* target, int targetLength) {
    if (targetLength < 0 || (targetLength > 0 && target == nullptr)) {
        return 0;
    }
    if (targetLength == 0) {
        return static_cast<int>(converted.size());
    }
    std::size_t n = std::min(converted.size(), static_cast<std::size_t>(targetLength));
    std::copy_n(converted.data(), n, target);
    return n == converted.size() ? static_cast<int>(n) : 0;
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR source, int sourceLength, LPWSTR target,
                        int targetLength) {
    if (source == nullptr || sourceLength == 0 || sourceLength < -1 ||
        (codePage != CP_UTF8 && !isAnsi(codePage))) {
        return 0;
    }
    // A length of -1 means the text up to and including its terminator.
    std::size_t length =
        sourceLength == -1 ? std::strlen(source) + 1 : static_cast<std::size_t>(sourceLength);
    std::string_view bytes(source, length);
    std::u16string converted;
    if (codePage == CP_UTF8) {
        converted = kvr::text::utf8ToWide(bytes);
        // Invalid input is what does not come back unchanged from a round trip.
        if ((flags & MB_ERR_INVALID_CHARS) && kvr::text::wideToUtf8(converted) != bytes) {
            return 0;
        }
    } else {
        converted.reserve(bytes.size());
        for (char b : bytes) {
            converted.push_back(fromAnsi(static_cast<unsigned char>(b)));
        }
    }
    return deliver(converted, target, targetLength);
}

int WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR source, int sourceLength, char* target,
                        int targetLength, LPCSTR defaultChar, BOOL* usedDefault) {
    if (source == nullptr || sourceLength == 0 || sourceLength < -1 ||
        (codePage != CP_UTF8 && !isAnsi(codePage))) {
        return 0;
    }
    std::size_t length = 0;
    if (sourceLength == -1) {
        while (source[length] != 0) {
            ++length;
        }
        ++length;
    } else {
        length = static_cast<std::size_t>(sourceLength);
    }
    std::u16string_view wide(source, length);
    std::string converted;
    if (codePage == CP_UTF8) {
        // UTF-8 has no default character: asking for one is an error.
        if (defaultChar != nullptr || usedDefault != nullptr) {
            return 0;
        }
        converted = kvr::text::wideToUtf8(wide);
    } else {
        char fallback = defaultChar != nullptr ? *defaultChar : '?';
        bool used = false;
        for (char16_t c : wide) {
            char out = 0;
            if (!toAnsi(c, out)) {
                out = fallback;
                used = true;
            }
            converted.push_back(out);
        }
        if (usedDefault != nullptr) {
            *usedDefault = used ? TRUE : FALSE;
        }
    }
    return deliver(converted, target, targetLength);
}
