// EnableWindow and ShowWindow: the enabled and visible states, with the
// messages and focus changes Win32 ties to them.
#include "headless/focus_capture.h"
#include "headless/painting.h"
#include "headless/window_table.h"

using namespace kvr::headless;

BOOL EnableWindow(HWND window, BOOL enable) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return FALSE;
    }
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        invalidateWindow(window);
        SendMessageW(window, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        w->style |= WS_DISABLED;
        invalidateWindow(window);
        // A disabled window can hold neither the focus nor the mouse.
        leaveSubtree(window, nullptr);
        SendMessageW(window, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled ? TRUE : FALSE;
}

BOOL ShowWindow(HWND window, int command) {
    Window* w = findWindow(window);
    if (w == nullptr) {
        return FALSE;
    }
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;
    if (show == wasVisible) {
        return wasVisible ? TRUE : FALSE;
    }
    SendMessageW(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    w = findWindow(window);
    if (w == nullptr) {
        return wasVisible ? TRUE : FALSE;
    }
    if (show) {
        w->style |= WS_VISIBLE;
        invalidateTree(window);
    } else {
        w->style &= ~WS_VISIBLE;
        HWND parent = (w->style & WS_CHILD) ? w->parent : nullptr;
        // The focus of a hidden window goes back to its parent.
        leaveSubtree(window, parent);
        if (parent != nullptr) {
            invalidateWindow(parent);
        }
    }
    return wasVisible ? TRUE : FALSE;
}
