#include "testing/keyboard_input.h"

namespace kvr::testing {

namespace {

MSG KeyMessage(HWND dialog, UINT message, int virtualKey) {
    HWND focus = GetFocus();
    MSG key{};
    key.hwnd = focus != nullptr ? focus : dialog;
    key.message = message;
    key.wParam = static_cast<WPARAM>(virtualKey);
    key.lParam = message == WM_KEYUP ? static_cast<LPARAM>(0xC0000001u) : 1;
    return key;
}

// Holds a key down for GetKeyState while it lives.
class HeldKey {
public:
    explicit HeldKey(int virtualKey) : key_(virtualKey) { Set(true); }
    ~HeldKey() { Set(false); }
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

private:
    void Set(bool down) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[key_] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    int key_;
};

}  // namespace

void PressKey(HWND dialog, int virtualKey) {
    MSG message = KeyMessage(dialog, WM_KEYDOWN, virtualKey);
    // What the dialog manager does not take goes to the focused window, as
    // the message loop would dispatch it.
    if (!IsDialogMessageW(dialog, &message)) {
        SendMessageW(message.hwnd, message.message, message.wParam, message.lParam);
    }
}

void PressShiftTab(HWND dialog) {
    HeldKey shift(VK_SHIFT);
    PressKey(dialog, VK_TAB);
}

void PressSpace(HWND dialog) {
    // Sent, not dispatched through the queue: the character must arrive
    // between the key's press and release, before the next action.
    MSG down = KeyMessage(dialog, WM_KEYDOWN, VK_SPACE);
    SendMessageW(down.hwnd, WM_KEYDOWN, down.wParam, down.lParam);
    if (IsWindow(down.hwnd)) {
        SendMessageW(down.hwnd, WM_CHAR, static_cast<WPARAM>(u' '), down.lParam);
    }
    if (IsWindow(down.hwnd)) {
        SendMessageW(down.hwnd, WM_KEYUP, down.wParam, static_cast<LPARAM>(0xC0000001u));
    }
}

void TypeCharacters(HWND control, text::WideView characters) {
    for (text::WideChar c : characters) {
        SendMessageW(control, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
}

}  // namespace kvr::testing
