// Fonts and bitmaps: CreateFontW, GetObjectW, DeleteObject and the fixed
// character metric the text layout uses.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <unordered_map>

#include "headless/gdi_objects.h"
#include "headless/headless.h"
#include "headless/window_table.h"

namespace kvr::headless {

namespace {

struct GdiObject {
    bool isFont = true;
    bool stock = false;
    LOGFONTW logFont{};
    int width = 0, height = 0;  // bitmaps
};

struct GdiTable {
    std::unordered_map<std::uintptr_t, GdiObject> objects;
    int liveFonts = 0;
};

GdiTable& table() {
    static GdiTable t;
    return t;
}

GdiObject* find(HGDIOBJ object) {
    auto& objects = table().objects;
    auto found = objects.find(reinterpret_cast<std::uintptr_t>(object));
    return found != objects.end() ? &found->second : nullptr;
}

HGDIOBJ add(const GdiObject& object) {
    std::uintptr_t handle = newHandleValue();
    table().objects.emplace(handle, object);
    return reinterpret_cast<HGDIOBJ>(handle);
}

// The stock system font's cell: 16 pixels tall, 8 wide.
constexpr int kSystemHeight = 16;
constexpr int kSystemWidth = 8;

}  // namespace

int mulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    long long product = static_cast<long long>(a) * b;
    long long half = std::llabs(static_cast<long long>(c)) / 2;
    bool negative = (product < 0) != (c < 0);
    long long magnitude = (std::llabs(product) + half) / std::llabs(static_cast<long long>(c));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

HFONT stockSystemFont() {
    static HFONT font = [] {
        GdiObject object;
        object.stock = true;
        object.logFont.lfHeight = kSystemHeight;
        object.logFont.lfWidth = kSystemWidth;
        object.logFont.lfWeight = FW_BOLD;
        const char16_t name[] = u"System";
        std::copy(std::begin(name), std::end(name), object.logFont.lfFaceName);
        return static_cast<HFONT>(add(object));
    }();
    return font;
}

FontMetrics fontMetrics(HFONT font) {
    LOGFONTW lf{};
    if (!fontDescription(font, &lf)) {
        fontDescription(stockSystemFont(), &lf);
    }
    // A negative height is the character (em) height, which is 11/13 of the
    // cell for the dialog fonts: 8 points at 96 dpi give 11 pixels, a cell of
    // 13 and an average width of 6, the familiar dialog base units.
    FontMetrics m;
    if (lf.lfHeight < 0) {
        m.height = mulDiv(-lf.lfHeight, 13, 11);
    } else if (lf.lfHeight > 0) {
        m.height = lf.lfHeight;
    } else {
        m.height = 13;
    }
    m.averageWidth = lf.lfWidth != 0 ? std::abs(lf.lfWidth) : std::max(1, mulDiv(m.height, 6, 13));
    return m;
}

bool fontDescription(HFONT font, LOGFONTW* out) {
    GdiObject* object = find(font != nullptr ? static_cast<HGDIOBJ>(font) : stockSystemFont());
    if (object == nullptr || !object->isFont) {
        return false;
    }
    *out = object->logFont;
    return true;
}

bool isLiveFont(HGDIOBJ object) {
    GdiObject* o = find(object);
    return o != nullptr && o->isFont;
}

HBITMAP createBitmap(int width, int height) {
    GdiObject object;
    object.isFont = false;
    object.width = width;
    object.height = height;
    return static_cast<HBITMAP>(add(object));
}

bool isLiveBitmap(HGDIOBJ object) {
    GdiObject* o = find(object);
    return o != nullptr && !o->isFont;
}

bool bitmapSize(HBITMAP bitmap, int* width, int* height) {
    GdiObject* o = find(bitmap);
    if (o == nullptr || o->isFont) {
        return false;
    }
    *width = o->width;
    *height = o->height;
    return true;
}

}  // namespace kvr::headless

using namespace kvr::headless;

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCWSTR faceName) {
    GdiObject object;
    LOGFONTW& lf = object.logFont;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = static_cast<BYTE>(italic);
    lf.lfUnderline = static_cast<BYTE>(underline);
    lf.lfStrikeOut = static_cast<BYTE>(strikeOut);
    lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    // The face name is cut to 31 characters, as LOGFONTW holds it.
    if (faceName != nullptr) {
        for (int i = 0; i < 31 && faceName[i] != 0; ++i) {
            lf.lfFaceName[i] = faceName[i];
        }
    }
    ++table().liveFonts;
    return static_cast<HFONT>(add(object));
}

int GetObjectW(HGDIOBJ object, int size, LPVOID buffer) {
    GdiObject* o = find(object);
    if (o == nullptr || !o->isFont) {
        return 0;
    }
    if (buffer == nullptr) {
        return static_cast<int>(sizeof(LOGFONTW));
    }
    int copied = std::min(size, static_cast<int>(sizeof(LOGFONTW)));
    if (copied <= 0) {
        return 0;
    }
    std::memcpy(buffer, &o->logFont, static_cast<std::size_t>(copied));
    return copied;
}

BOOL DeleteObject(HGDIOBJ object) {
    GdiObject* o = find(object);
    if (o == nullptr) {
        return FALSE;
    }
    if (o->stock) {
        return TRUE;  // stock objects are never deleted, and that is no error
    }
    if (o->isFont) {
        --table().liveFonts;
    }
    table().objects.erase(reinterpret_cast<std::uintptr_t>(object));
    return TRUE;
}

int kvrHeadlessLiveFonts() {
    return table().liveFonts;
}
