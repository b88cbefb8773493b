// Painting: invalidation, WM_PAINT delivery, BeginPaint/EndPaint and the
// recording device context with its drawing calls.
#include "headless/painting.h"

#include <memory>
#include <string>
#include <unordered_map>

#include "headless/gdi_objects.h"
#include "headless/headless.h"
#include "headless/text_layout.h"
#include "headless/window_table.h"

namespace kvr::headless {

namespace {

struct DeviceContext {
    HWND window = nullptr;
    HFONT font = nullptr;  // null: the stock system font
    int bkMode = OPAQUE;
    COLORREF textColor = 0;
    PaintRecord record;
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

PaintOperation operation(const DeviceContext& dc, PaintOperation::Kind kind) {
    PaintOperation op;
    op.kind = kind;
    op.font = dc.font;
    fontDescription(dc.font, &op.logFont);
    op.bkMode = dc.bkMode;
    op.textColor = dc.textColor;
    return op;
}

void sendPaint(HWND window) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return;
    }
    ++w->paintCount;
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

std::vector<const PaintOperation*> PaintRecord::texts() const {
    std::vector<const PaintOperation*> out;
    for (const PaintOperation& op : operations) {
        if (op.kind == PaintOperation::Kind::DrawText) {
            out.push_back(&op);
        }
    }
    return out;
}

const PaintRecord* kvrHeadlessLastPaint(HWND window) {
    Window* w = findWindow(window);
    return w != nullptr && w->lastPaint ? &*w->lastPaint : nullptr;
}

int kvrHeadlessPaintCount(HWND window) {
    Window* w = findWindow(window);
    return w != nullptr ? w->paintCount : 0;
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
        w->lastPaint = std::move(dc->record);
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
        dc->record.operations.push_back(operation(*dc, PaintOperation::Kind::SelectFont));
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
    dc->record.operations.push_back(operation(*dc, PaintOperation::Kind::SetBkMode));
    return previous;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = findContext(hdc);
    if (dc == nullptr) {
        return 0xFFFFFFFF;  // CLR_INVALID
    }
    COLORREF previous = dc->textColor;
    dc->textColor = color;
    dc->record.operations.push_back(operation(*dc, PaintOperation::Kind::SetTextColor));
    return previous;
}

int DrawTextExW(HDC hdc, LPWSTR text, int length, LPRECT rect, UINT format, DRAWTEXTPARAMS*) {
    DeviceContext* dc = findContext(hdc);
    if (dc == nullptr || rect == nullptr || (text == nullptr && length != 0)) {
        return 0;
    }
    std::u16string_view view;
    if (text != nullptr) {
        view = length < 0 ? std::u16string_view(text)
                          : std::u16string_view(text, static_cast<std::size_t>(length));
    }
    TextLayout layout = layoutText(view, *rect, format, fontMetrics(dc->font));
    if (format & DT_CALCRECT) {
        rect->right = rect->left + layout.width;
        rect->bottom = rect->top + layout.height;
        return layout.height;
    }
    PaintOperation op = operation(*dc, PaintOperation::Kind::DrawText);
    op.text = std::u16string(view);
    op.rect = *rect;
    op.format = format;
    // With vertical placement the result is the offset from the top of the
    // rectangle to the bottom of the text.
    int result = layout.height;
    if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)) && !layout.lines.empty()) {
        result += layout.lines.front().y - rect->top;
    }
    op.lines = std::move(layout.lines);
    dc->record.operations.push_back(std::move(op));
    return result;
}

namespace kvr::headless {

// Used by the static control: records a bitmap drawn into a rectangle.
void recordBitmap(HDC hdc, HBITMAP bitmap, const RECT& rect) {
    DeviceContext* dc = findContext(hdc);
    if (dc == nullptr) {
        return;
    }
    PaintOperation op = operation(*dc, PaintOperation::Kind::DrawBitmap);
    op.bitmap = bitmap;
    op.rect = rect;
    dc->record.operations.push_back(std::move(op));
}

}  // namespace kvr::headless
