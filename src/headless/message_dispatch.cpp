// Message delivery: SendMessageW, PostMessageW and its queue, CallWindowProcW
// and the default window procedure.
#include <algorithm>
#include <deque>

#include "headless/cursors.h"
#include "headless/message_queue.h"
#include "headless/painting.h"
#include "headless/window_table.h"

namespace kvr::headless {

namespace {

std::deque<MSG>& queue() {
    static std::deque<MSG> posted;
    return posted;
}

LRESULT copyText(const std::u16string& text, WPARAM size, LPARAM buffer) {
    auto* out = reinterpret_cast<char16_t*>(buffer);
    if (out == nullptr || size == 0) {
        return 0;
    }
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(size) - 1);
    std::copy_n(text.data(), n, out);
    out[n] = 0;
    return static_cast<LRESULT>(n);
}

bool pointInWindow(const Window& w, POINT screen) {
    RECT r{};
    GetWindowRect(w.handle, &r);
    return screen.x >= r.left && screen.x < r.right && screen.y >= r.top && screen.y < r.bottom;
}

}  // namespace

bool takePostedMessage(MSG& message) {
    if (queue().empty()) {
        return false;
    }
    message = queue().front();
    queue().pop_front();
    return true;
}

LRESULT dispatchMessage(const MSG& message) {
    // A message posted to no window (a thread message) has nobody to go to.
    if (message.hwnd == nullptr) {
        return 0;
    }
    return SendMessageW(message.hwnd, message.message, message.wParam, message.lParam);
}

}  // namespace kvr::headless

using namespace kvr::headless;

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return 0;
    }
    WNDPROC proc = w->proc != nullptr ? w->proc : &DefWindowProcW;
    return proc(window, message, wParam, lParam);
}

BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && findWindow(window) == nullptr) {
        return FALSE;
    }
    MSG posted{};
    posted.hwnd = window;
    posted.message = message;
    posted.wParam = wParam;
    posted.lParam = lParam;
    queue().push_back(posted);
    return TRUE;
}

LRESULT CallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return proc != nullptr ? proc(window, message, wParam, lParam) : 0;
}

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return 0;
    }
    switch (message) {
        case WM_SETTEXT: {
            auto* text = reinterpret_cast<const char16_t*>(lParam);
            w->text = text != nullptr ? std::u16string(text) : std::u16string();
            return TRUE;
        }
        case WM_GETTEXT:
            return copyText(w->text, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(w->text.size());
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_NCHITTEST: {
            POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            return pointInWindow(*w, screen) ? HTCLIENT : HTNOWHERE;
        }
        case WM_SETCURSOR: {
            // The parent decides first; then the class cursor over the client area.
            if ((w->style & WS_CHILD) && w->parent != nullptr &&
                SendMessageW(w->parent, WM_SETCURSOR, wParam, lParam)) {
                return TRUE;
            }
            if (LOWORD(lParam) == HTCLIENT) {
                SetCursor(classCursor(w->windowClass));
                return TRUE;
            }
            return FALSE;
        }
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_SETFONT:
            w->font = reinterpret_cast<HFONT>(wParam);
            if (lParam) {
                invalidateWindow(window);
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(w->font);
        default:
            return 0;
    }
}
