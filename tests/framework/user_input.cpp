#include "user_input.h"

#include "testing/keyboard_input.h"
#include "testing/pointer_input.h"

namespace kvr::framework_test {

namespace {

HWND Control(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

}  // namespace

void Click(HWND dialog, int id) {
    HWND control = Control(dialog, id);
    if (control == nullptr) {
        return;
    }
    POINT centre = testing::ControlCentre(dialog, control);
    testing::PressAndRelease(dialog, centre, centre);
}

void PressKey(HWND dialog, int virtualKey) {
    testing::PressKey(dialog, virtualKey);
}

void TypeIntoFocus(text::WideView typed) {
    testing::TypeCharacters(GetFocus(), typed);
}

void Type(HWND dialog, int id, text::WideView typed) {
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(dialog, id)), TRUE);
    TypeIntoFocus(typed);
}

void PressCloseBox(HWND dialog) {
    SendMessageW(dialog, WM_CLOSE, 0, 0);
}

int CheckState(HWND dialog, int id) {
    return static_cast<int>(SendMessageW(Control(dialog, id), BM_GETCHECK, 0, 0));
}

std::vector<int> CheckedAmong(HWND dialog, const std::vector<int>& ids) {
    std::vector<int> checked;
    for (int id : ids) {
        if (CheckState(dialog, id) == BST_CHECKED) {
            checked.push_back(id);
        }
    }
    return checked;
}

text::WideString TextOf(HWND dialog, int id) {
    HWND control = Control(dialog, id);
    int length = GetWindowTextLengthW(control);
    text::WideString text(static_cast<std::size_t>(length) + 1, text::WideChar(0));
    int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return text;
}

std::pair<DWORD, DWORD> SelectionOf(HWND dialog, int id) {
    DWORD start = 0xBAD, end = 0xBAD;
    SendMessageW(Control(dialog, id), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

void Select(HWND dialog, int id, int start, int end) {
    SendMessageW(Control(dialog, id), EM_SETSEL, static_cast<WPARAM>(start),
                 static_cast<LPARAM>(end));
}

int FocusId(HWND dialog) {
    HWND focus = GetFocus();
    if (focus == dialog) {
        return 0;
    }
    return focus != nullptr && GetParent(focus) == dialog ? GetDlgCtrlID(focus) : -1;
}

}  // namespace kvr::framework_test
