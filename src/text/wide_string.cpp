#include "text/wide_string.h"

#include <optional>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace kvr::text {

#if defined(_WIN32)

std::size_t utf8ToWide(std::string_view utf8, WideChar* out) {
    if (utf8.empty()) {
        return 0;
    }
    const int size = static_cast<int>(utf8.size());
    return static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out, size));
}

std::string wideToUtf8(WideView wide) {
    if (wide.empty()) {
        return {};
    }
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

#else

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Writes cp at out[n] and advances n.
void appendCodePoint(WideChar* out, std::size_t& n, char32_t cp) {
    if (cp < 0x10000) {
        out[n++] = static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out[n++] = static_cast<char16_t>(0xD800 + (cp >> 10));
        out[n++] = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes the sequence that starts with a non-ASCII lead byte at utf8[i];
// advances i past the bytes it consumed. Returns the code point, or nothing
// for an invalid sequence, which stands for one U+FFFD. The rules are those of
// the platform's converter: the lead byte gives the sequence's length; a
// sequence cut off by the end of the input swallows the rest of it; otherwise
// the bytes are taken one by one until one does not fit, and overlong forms,
// surrogates and values past U+10FFFF are refused as soon as they show.
std::optional<char32_t> decodeSequence(std::string_view utf8, std::size_t& i) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i++]);
    const int length = lead >= 0xF0   ? (lead <= 0xF4 ? 3 : 0)
                       : lead >= 0xE0 ? 2
                       : lead >= 0xC2 ? 1
                                      : 0;
    if (length == 0) {
        return std::nullopt;
    }
    if (i + static_cast<std::size_t>(length) > utf8.size()) {
        i = utf8.size();
        return std::nullopt;
    }
    char32_t value = lead & (length == 3 ? 0x07 : length == 2 ? 0x0F : 0x1F);
    auto next = [&](char32_t& bits) {
        bits = static_cast<unsigned char>(utf8[i]) ^ 0x80u;
        return bits < 0x40;
    };
    char32_t bits = 0;
    if (length == 3) {
        if (!next(bits))
            return std::nullopt;
        value = (value << 6) | bits;
        ++i;
        if (value < 0x10)
            return std::nullopt;  // overlong four-byte form
    }
    if (length >= 2) {
        if (!next(bits))
            return std::nullopt;
        value = (value << 6) | bits;
        if (value >= (0x110000 >> 6))
            return std::nullopt;  // beyond U+10FFFF
        ++i;
        if (value < 0x20)
            return std::nullopt;  // overlong three-byte form
        if (value >= (0xD800 >> 6) && value <= (0xDFFF >> 6))
            return std::nullopt;  // surrogate
    }
    if (!next(bits))
        return std::nullopt;
    value = (value << 6) | bits;
    ++i;
    if (value < 0x80)
        return std::nullopt;  // overlong two-byte form
    return value;
}

}  // namespace

std::size_t utf8ToWide(std::string_view utf8, WideChar* out) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out[n++] = b;
            ++i;
        } else if (std::optional<char32_t> cp = decodeSequence(utf8, i)) {
            appendCodePoint(out, n, *cp);
        } else {
            out[n++] = kReplacement;
        }
    }
    return n;
}

std::string wideToUtf8(WideView wide) {
    std::string out;
    out.reserve(wide.size() * 3);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t u = wide[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF) {
            u = 0x10000 + ((u - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            u = kReplacement;
        }
        appendUtf8(out, u);
    }
    return out;
}

#endif

WideString utf8ToWide(std::string_view utf8) {
    WideString out(utf8.size(), WideChar(0));
    out.resize(utf8ToWide(utf8, out.data()));
    return out;
}

}  // namespace kvr::text
