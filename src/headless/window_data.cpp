// Window data: the GetWindowLongPtr slots, text, class name, ids and the
// window tree queries.
#include <algorithm>
#include <cstring>

#include "headless/painting.h"
#include "headless/window_table.h"

using namespace kvr::headless;

BOOL IsWindow(HWND window) {
    return findWindow(window) != nullptr ? TRUE : FALSE;
}

LONG_PTR GetWindowLongPtrW(HWND window, int index) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return 0;
    }
    switch (index) {
        case GWL_STYLE:
            return static_cast<LONG>(w->style);
        case GWL_EXSTYLE:
            return static_cast<LONG>(w->exStyle);
        case GWLP_ID:
            return w->id;
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(w->proc);
        case GWLP_USERDATA:
            return w->userData;
        case GWLP_HINSTANCE:
            return reinterpret_cast<LONG_PTR>(w->instance);
        default:
            break;
    }
    LONG_PTR value = 0;
    if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= w->extra.size()) {
        std::memcpy(&value, w->extra.data() + index, sizeof value);
    }
    return value;
}

LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return 0;
    }
    LONG_PTR previous = GetWindowLongPtrW(window, index);
    switch (index) {
        case GWL_STYLE: {
            DWORD old = w->style;
            w->style = static_cast<DWORD>(value);
            if ((old ^ w->style) & WS_VISIBLE) {
                invalidateTree(window);
            }
            return previous;
        }
        case GWL_EXSTYLE:
            w->exStyle = static_cast<DWORD>(value);
            return previous;
        case GWLP_ID:
            w->id = value;
            return previous;
        case GWLP_WNDPROC:
            // A null procedure is refused, as Win32 does.
            if (value == 0) {
                return 0;
            }
            w->proc = reinterpret_cast<WNDPROC>(value);
            return previous;
        case GWLP_USERDATA:
            w->userData = value;
            return previous;
        case GWLP_HINSTANCE:
            w->instance = reinterpret_cast<HINSTANCE>(value);
            return previous;
        default:
            break;
    }
    if (index >= 0 && static_cast<std::size_t>(index) + sizeof(LONG_PTR) <= w->extra.size()) {
        std::memcpy(w->extra.data() + index, &value, sizeof value);
        return previous;
    }
    return 0;
}

BOOL SetWindowTextW(HWND window, LPCWSTR text) {
    if (findWindow(window) == nullptr) {
        return FALSE;
    }
    return SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextW(HWND window, LPWSTR buffer, int maxCount) {
    if (findWindow(window) == nullptr || buffer == nullptr || maxCount <= 0) {
        return 0;
    }
    buffer[0] = 0;
    return static_cast<int>(SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                         reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthW(HWND window) {
    if (findWindow(window) == nullptr) {
        return 0;
    }
    return static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
}

int GetClassNameW(HWND window, LPWSTR buffer, int maxCount) {
    Window* w = findWindow(window);
    if (w == nullptr || buffer == nullptr || maxCount <= 0) {
        return 0;
    }
    std::u16string name = className(w->windowClass);
    std::size_t n = std::min(name.size(), static_cast<std::size_t>(maxCount - 1));
    std::copy_n(name.data(), n, buffer);
    buffer[n] = 0;
    return static_cast<int>(n);
}

BOOL IsWindowEnabled(HWND window) {
    Window* w = findWindow(window);
    return w != nullptr && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
    return isShownOnScreen(window) ? TRUE : FALSE;
}

HWND GetParent(HWND window) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return nullptr;
    }
    // Like Win32: a child's parent, or a pop-up's owner.
    if (w->style & WS_CHILD) {
        return w->parent;
    }
    return (w->style & WS_POPUP) ? w->owner : nullptr;
}

BOOL IsChild(HWND parent, HWND window) {
    Window* w = findWindow(window);
    if (findWindow(parent) == nullptr || w == nullptr) {
        return FALSE;
    }
    for (Window* p = findWindow(w->parent); p != nullptr; p = findWindow(p->parent)) {
        if (p->handle == parent) {
            return TRUE;
        }
    }
    return FALSE;
}

HWND GetWindow(HWND window, UINT relation) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return nullptr;
    }
    if (relation == GW_CHILD) {
        return w->children.empty() ? nullptr : w->children.front();
    }
    if (relation == GW_OWNER) {
        return w->owner;
    }
    Window* p = findWindow(w->parent);
    const std::vector<HWND>& siblings = p != nullptr ? p->children : topLevelWindows();
    auto at = std::find(siblings.begin(), siblings.end(), window);
    if (at == siblings.end()) {
        return nullptr;
    }
    switch (relation) {
        case GW_HWNDFIRST:
            return siblings.front();
        case GW_HWNDLAST:
            return siblings.back();
        case GW_HWNDNEXT:
            return at + 1 != siblings.end() ? *(at + 1) : nullptr;
        case GW_HWNDPREV:
            return at != siblings.begin() ? *(at - 1) : nullptr;
        default:
            return nullptr;
    }
}

// The top-level windows, oldest first, until the callback returns FALSE.
BOOL EnumWindows(WNDENUMPROC callback, LPARAM data) {
    if (callback == nullptr) {
        return FALSE;
    }
    for (HWND top : std::vector<HWND>(topLevelWindows())) {
        if (IsWindow(top) && !callback(top, data)) {
            return FALSE;
        }
    }
    return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) {
    Window* d = findWindow(dialog);
    if (d == nullptr) {
        return nullptr;
    }
    for (HWND child : d->children) {
        Window* c = findWindow(child);
        if (c != nullptr && static_cast<int>(c->id) == id) {
            return child;
        }
    }
    return nullptr;
}

int GetDlgCtrlID(HWND window) {
    Window* w = findWindow(window);
    return w != nullptr && (w->style & WS_CHILD) ? static_cast<int>(w->id) : 0;
}
