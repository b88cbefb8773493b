// SetFocus, GetFocus, SetCapture, ReleaseCapture, GetCapture and the keyboard
// modifier state.
#include "headless/focus_capture.h"

#include <set>

#include "headless/headless.h"
#include "headless/window_table.h"

namespace kvr::headless {

namespace {

struct InputState {
    HWND focus = nullptr;
    HWND capture = nullptr;
    std::set<int> keysDown;
};

InputState& input() {
    static InputState state;
    return state;
}

// A window that was destroyed holds neither the focus nor the capture.
HWND forgetIfDestroyed(HWND& window) {
    if (window != nullptr && findWindow(window) == nullptr) {
        window = nullptr;
    }
    return window;
}

bool inSubtree(HWND root, HWND window) {
    return window != nullptr && (window == root || IsChild(root, window));
}

}  // namespace

void leaveSubtree(HWND root, HWND fallback) {
    if (inSubtree(root, input().capture)) {
        ReleaseCapture();
    }
    if (inSubtree(root, input().focus)) {
        if (fallback == nullptr || SetFocus(fallback) == nullptr ||
            inSubtree(root, input().focus)) {
            SetFocus(nullptr);
        }
    }
}

}  // namespace kvr::headless

using namespace kvr::headless;

HWND SetFocus(HWND window) {
    InputState& state = input();
    HWND previous = state.focus;
    if (window != nullptr) {
        if (findWindow(window) == nullptr) {
            return nullptr;
        }
        if (window == previous) {
            return previous;
        }
        // A disabled window, or one inside a disabled window, cannot take the focus.
        if (!isEnabledWithAncestors(window)) {
            return nullptr;
        }
    } else if (previous == nullptr) {
        return nullptr;
    }
    // The focus moves first; the messages then tell both windows.
    state.focus = window;
    if (previous != nullptr && findWindow(previous) != nullptr) {
        SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
        if (state.focus != window) {
            return previous;  // the old window moved it elsewhere
        }
    }
    if (window != nullptr && findWindow(window) != nullptr) {
        SendMessageW(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

HWND GetFocus() {
    return forgetIfDestroyed(input().focus);
}

HWND SetCapture(HWND window) {
    InputState& state = input();
    HWND previous = state.capture;
    if (findWindow(window) == nullptr) {
        return previous;
    }
    state.capture = window;
    if (previous != nullptr && previous != window) {
        SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    }
    return previous;
}

BOOL ReleaseCapture() {
    InputState& state = input();
    HWND previous = state.capture;
    state.capture = nullptr;
    if (previous != nullptr) {
        SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
    }
    return TRUE;
}

HWND GetCapture() {
    return forgetIfDestroyed(input().capture);
}

short GetKeyState(int virtualKey) {
    return input().keysDown.count(virtualKey) ? static_cast<short>(0x8000) : 0;
}

BOOL GetKeyboardState(BYTE* keys) {
    if (keys == nullptr) {
        return FALSE;
    }
    for (int key = 0; key < 256; ++key) {
        keys[key] = input().keysDown.count(key) ? 0x80 : 0;
    }
    return TRUE;
}

BOOL SetKeyboardState(BYTE* keys) {
    if (keys == nullptr) {
        return FALSE;
    }
    for (int key = 0; key < 256; ++key) {
        kvrHeadlessSetKeyDown(key, (keys[key] & 0x80) != 0);
    }
    return TRUE;
}

void kvrHeadlessSetKeyDown(int virtualKey, bool down) {
    if (down) {
        input().keysDown.insert(virtualKey);
    } else {
        input().keysDown.erase(virtualKey);
    }
}
