// Painting: invalidation, WM_PAINT delivery, BeginPaint/EndPaint and the
// device context's drawing calls. Nothing is drawn; each window keeps the font
// it drew its last text in.
#include "headless/painting.h"

#include <unordered_map>

#include "headless/gdi_objects.h"
#include "headless/headless.h"
#include "headless/window_table.h"

namespace kvr::headless {

namespace {

struct DeviceContext {
    HWND window = nullptr;
    HFONT font = nullptr;  // null: the stock system font
    int bkMode = OPAQUE;
    COLORREF textColor = 0;
    HFONT textFont = nullptr;  // the font of the last text drawn
};

std::unordered_map<std::uintptr_t, DeviceContext>& contexts() {
    static std::unordered_map<std::uintptr_t, DeviceContext> table;
    return table;
}

DeviceContext* findContext(HDC dc) {
    auto& table = contexts();
    auto found = table.find(reinterpret_cast<std::uintptr_t>(dc));
    return found != table.end() ? &found->second : nullptr;
}

void sendPaint(HWND window) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return;
    }
    SendMessageW(window, WM_PAINT, 0, 0);
    // A procedure that never calls BeginPaint would be asked forever; one
    // WM_PAINT per invalidation is what it gets here.
    if (Window* after = findWindow(window)) {
        after->invalid = false;
    }
}

bool anyPending(HWND window) {
    Window* w = findWindow(window);
    if (w == nullptr || !(w->style & WS_VISIBLE)) {
        return false;
    }
    if (w->invalid) {
        return true;
    }
    for (HWND child : w->children) {
        if (anyPending(child)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void invalidateWindow(HWND window) {
    if (Window* w = findWindow(window)) {
        w->invalid = true;
    }
}

void invalidateTree(HWND window) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return;
    }
    w->invalid = true;
    for (HWND child : std::vector<HWND>(w->children)) {
        invalidateTree(child);
    }
}

bool paintTree(HWND window) {
    if (!isShownOnScreen(window)) {
        return false;
    }
    bool painted = false;
    Window* w = findWindow(window);
    if (w->invalid) {
        sendPaint(window);
        painted = true;
    }
    if (Window* after = findWindow(window)) {
        for (HWND child : std::vector<HWND>(after->children)) {
            painted = paintTree(child) || painted;
        }
    }
    return painted;
}

bool paintPending() {
    for (HWND top : topLevelWindows()) {
        if (anyPending(top)) {
            return true;
        }
    }
    return false;
}

void paintAll() {
    for (HWND top : std::vector<HWND>(topLevelWindows())) {
        paintTree(top);
    }
}

}  // namespace kvr::headless

using namespace kvr::headless;

HFONT kvrHeadlessLastTextFont(HWND window) {
    Window* w = findWindow(window);
    return w != nullptr ? w->lastTextFont : nullptr;
}

BOOL InvalidateRect(HWND window, const RECT*, BOOL) {
    if (window == nullptr) {
        // Like Win32: all windows.
        for (HWND top : topLevelWindows()) {
            invalidateTree(top);
        }
        return TRUE;
    }
    if (findWindow(window) == nullptr) {
        return FALSE;
    }
    invalidateWindow(window);
    return TRUE;
}

BOOL UpdateWindow(HWND window) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return FALSE;
    }
    if (w->invalid && isShownOnScreen(window)) {
        sendPaint(window);
    }
    return TRUE;
}

BOOL RedrawWindow(HWND window, const RECT*, void*, UINT flags) {
    if (findWindow(window) == nullptr) {
        return FALSE;
    }
    if (flags & RDW_INVALIDATE) {
        if (flags & RDW_ALLCHILDREN) {
            invalidateTree(window);
        } else {
            invalidateWindow(window);
        }
    }
    if (flags & RDW_UPDATENOW) {
        paintTree(window);
    }
    return TRUE;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return nullptr;
    }
    w->invalid = false;
    std::uintptr_t handle = newHandleValue();
    DeviceContext dc;
    dc.window = window;
    contexts().emplace(handle, std::move(dc));
    if (paint != nullptr) {
        *paint = PAINTSTRUCT{};
        paint->hdc = reinterpret_cast<HDC>(handle);
        paint->fErase = TRUE;
        paint->rcPaint = RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    }
    return reinterpret_cast<HDC>(handle);
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    if (paint == nullptr) {
        return FALSE;
    }
    DeviceContext* dc = findContext(paint->hdc);
    if (dc == nullptr || dc->window != window) {
        return FALSE;
    }
    if (Window* w = findWindow(window)) {
        w->lastTextFont = dc->textFont;
    }
    contexts().erase(reinterpret_cast<std::uintptr_t>(paint->hdc));
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    DeviceContext* dc = findContext(hdc);
    if (dc == nullptr) {
        return nullptr;
    }
    if (isLiveFont(object)) {
        HGDIOBJ previous = dc->font != nullptr ? static_cast<HGDIOBJ>(dc->font) : stockSystemFont();
        dc->font = object == stockSystemFont() ? nullptr : static_cast<HFONT>(object);
        return previous;
    }
    // Bitmaps select into memory device contexts only, which this system has none of.
    return nullptr;
}

int SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = findContext(hdc);
    if (dc == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) {
        return 0;
    }
    int previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = findContext(hdc);
    if (dc == nullptr) {
        return 0xFFFFFFFF;  // CLR_INVALID
    }
    COLORREF previous = dc->textColor;
    dc->textColor = color;
    return previous;
}

// Lays nothing out: the text's font is noted and one line's height returned.
int DrawTextExW(HDC hdc, LPWSTR text, int length, LPRECT rect, UINT format, DRAWTEXTPARAMS*) {
    DeviceContext* dc = findContext(hdc);
    if (dc == nullptr || rect == nullptr || (text == nullptr && length != 0)) {
        return 0;
    }
    if (!(format & DT_CALCRECT)) {
        dc->textFont = dc->font;
    }
    return fontMetrics(dc->font).height;
}
