#include "testing/keyboard_input.h"

namespace kvr::testing {

void PressKey(HWND dialog, int virtualKey) {
    HWND focus = GetFocus();
    MSG message{};
    message.hwnd = focus != nullptr ? focus : dialog;
    message.message = WM_KEYDOWN;
    message.wParam = static_cast<WPARAM>(virtualKey);
    message.lParam = 1;
    // What the dialog manager does not take goes to the focused window, as
    // the message loop would dispatch it.
    if (!IsDialogMessageW(dialog, &message)) {
        SendMessageW(message.hwnd, message.message, message.wParam, message.lParam);
    }
}

void TypeCharacters(HWND control, text::WideView characters) {
    for (text::WideChar c : characters) {
        SendMessageW(control, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
}

}  // namespace kvr::testing
