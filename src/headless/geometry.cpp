// Window geometry. Windows have no non-client area here: the client area is
// the whole window. Child rectangles are kept in their parent's client
// coordinates, top-level ones in screen coordinates (a 1024 x 768 screen).
#include "headless/gdi_objects.h"
#include "headless/painting.h"
#include "headless/window_table.h"

using namespace kvr::headless;

namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// The screen position of a window's client origin.
POINT clientOrigin(const Window& w) {
    POINT origin{w.rect.left, w.rect.top};
    for (Window* p = findWindow(w.parent); p != nullptr; p = findWindow(p->parent)) {
        origin.x += p->rect.left;
        origin.y += p->rect.top;
    }
    return origin;
}

bool contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

}  // namespace

BOOL GetClientRect(HWND window, LPRECT rect) {
    Window* w = findWindow(window);
    if (w == nullptr || rect == nullptr) {
        return FALSE;
    }
    *rect = RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    return TRUE;
}

BOOL GetWindowRect(HWND window, LPRECT rect) {
    Window* w = findWindow(window);
    if (w == nullptr || rect == nullptr) {
        return FALSE;
    }
    POINT origin = clientOrigin(*w);
    *rect = RECT{origin.x, origin.y, origin.x + (w->rect.right - w->rect.left),
                 origin.y + (w->rect.bottom - w->rect.top)};
    return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
    Window* w = findWindow(window);
    if (w == nullptr || point == nullptr) {
        return FALSE;
    }
    POINT origin = clientOrigin(*w);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) {
    Window* w = findWindow(window);
    if (w == nullptr || point == nullptr) {
        return FALSE;
    }
    POINT origin = clientOrigin(*w);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL MapDialogRect(HWND dialog, LPRECT rect) {
    Window* w = findWindow(dialog);
    if (w == nullptr || !w->dialog || rect == nullptr) {
        return FALSE;
    }
    const DialogInfo& info = *w->dialog;
    rect->left = mulDiv(rect->left, info.baseX, 4);
    rect->right = mulDiv(rect->right, info.baseX, 4);
    rect->top = mulDiv(rect->top, info.baseY, 8);
    rect->bottom = mulDiv(rect->bottom, info.baseY, 8);
    return TRUE;
}

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
    Window* p = findWindow(parent);
    if (p == nullptr) {
        return nullptr;
    }
    RECT client{};
    GetClientRect(parent, &client);
    if (!contains(client, point)) {
        return nullptr;
    }
    // Children in z-order, the topmost (first in the template) first.
    for (HWND child : p->children) {
        Window* c = findWindow(child);
        if (c == nullptr || !contains(c->rect, point)) {
            continue;
        }
        if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) {
            continue;
        }
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) {
            continue;
        }
        if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT)) {
            continue;
        }
        return child;
    }
    return parent;
}

BOOL SetWindowPos(HWND window, HWND, int x, int y, int cx, int cy, UINT flags) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return FALSE;
    }
    RECT r = w->rect;
    if (!(flags & SWP_NOMOVE)) {
        r = RECT{x, y, x + (r.right - r.left), y + (r.bottom - r.top)};
    }
    if (!(flags & SWP_NOSIZE)) {
        r.right = r.left + (cx < 0 ? 0 : cx);
        r.bottom = r.top + (cy < 0 ? 0 : cy);
    }
    const bool moved = r.left != w->rect.left || r.top != w->rect.top;
    const bool sized = (r.right - r.left) != (w->rect.right - w->rect.left) ||
                       (r.bottom - r.top) != (w->rect.bottom - w->rect.top);
    w->rect = r;
    if (sized) {
        invalidateWindow(window);
        SendMessageW(window, WM_SIZE, 0, MAKELPARAM(r.right - r.left, r.bottom - r.top));
    }
    if (moved && findWindow(window) != nullptr) {
        SendMessageW(window, WM_MOVE, 0, MAKELPARAM(r.left, r.top));
    }
    if (flags & SWP_SHOWWINDOW) {
        ShowWindow(window, SW_SHOW);
    } else if (flags & SWP_HIDEWINDOW) {
        ShowWindow(window, SW_HIDE);
    }
    return TRUE;
}

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
            return kScreenWidth;
        case SM_CYSCREEN:
            return kScreenHeight;
        default:
            return 0;
    }
}
