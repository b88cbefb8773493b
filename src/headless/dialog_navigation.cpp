// Keyboard navigation of dialogs: IsDialogMessageW (Tab, arrows, Enter,
// Escape), GetNextDlgTabItem and GetNextDlgGroupItem. Controls are direct
// children of their dialog; tab and group order is template order.
#include <vector>

#include "headless/message_queue.h"
#include "headless/window_table.h"

using namespace kvr::headless;

namespace {

DWORD styleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

bool visibleAndEnabled(HWND window) {
    return (styleOf(window) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

bool isTabStop(HWND window) {
    return visibleAndEnabled(window) && (styleOf(window) & WS_TABSTOP);
}

std::vector<HWND> childrenOf(HWND dialog) {
    Window* w = findWindow(dialog);
    return w != nullptr ? w->children : std::vector<HWND>{};
}

// The character TranslateMessage makes of a key, or 0.
char16_t characterOf(WPARAM key) {
    switch (key) {
        case VK_BACK:
            return 8;
        case VK_TAB:
            return 9;
        case VK_RETURN:
            return 13;
        case VK_ESCAPE:
            return 27;
        case VK_SPACE:
            return u' ';
        default:
            break;
    }
    if (key >= '0' && key <= '9') {
        return static_cast<char16_t>(key);
    }
    if (key >= 'A' && key <= 'Z') {
        return static_cast<char16_t>((GetKeyState(VK_SHIFT) & 0x8000) ? key : key + ('a' - 'A'));
    }
    return 0;
}

void pressEnter(HWND dialog) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(dialog, focus) &&
        (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                     reinterpret_cast<LPARAM>(focus));
        return;
    }
    LRESULT defId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defId) == DC_HASDEFID) {
        // A missing button still gets its command; a disabled one gets none.
        HWND button = GetDlgItem(dialog, LOWORD(defId));
        if (button == nullptr || IsWindowEnabled(button)) {
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(defId), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        }
        return;
    }
    SendMessageW(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

void pressArrow(HWND dialog, const MSG& message) {
    const bool previous = message.wParam == static_cast<WPARAM>(VK_LEFT) ||
                          message.wParam == static_cast<WPARAM>(VK_UP);
    HWND next = GetNextDlgGroupItem(dialog, message.hwnd, previous ? TRUE : FALSE);
    if (next != nullptr &&
        SendMessageW(next, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)) ==
            (DLGC_BUTTON | DLGC_RADIOBUTTON)) {
        // Moving onto an unchecked automatic radio button clicks it.
        SetFocus(next);
        if ((styleOf(next) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
            SendMessageW(next, BM_GETCHECK, 0, 0) != BST_CHECKED) {
            SendMessageW(next, BM_CLICK, 1, 0);
        }
    } else {
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), 1);
    }
}

}  // namespace

BOOL IsDialogMessageW(HWND dialog, MSG* message) {
    if (findWindow(dialog) == nullptr || message == nullptr) {
        return FALSE;
    }
    if (message->hwnd != dialog && !IsChild(dialog, message->hwnd)) {
        return FALSE;
    }
    if (message->message == WM_KEYDOWN) {
        LRESULT code = SendMessageW(message->hwnd, WM_GETDLGCODE, message->wParam,
                                    reinterpret_cast<LPARAM>(message));
        if (!(code & DLGC_WANTALLKEYS)) {
            switch (message->wParam) {
                case VK_TAB:
                    if (!(code & DLGC_WANTTAB)) {
                        SendMessageW(dialog, WM_NEXTDLGCTL,
                                     (GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0, 0);
                        return TRUE;
                    }
                    break;
                case VK_LEFT:
                case VK_UP:
                case VK_RIGHT:
                case VK_DOWN:
                    if (!(code & DLGC_WANTARROWS)) {
                        pressArrow(dialog, *message);
                        return TRUE;
                    }
                    break;
                case VK_ESCAPE:
                    // Escape is Cancel, with or without a Cancel button.
                    SendMessageW(dialog, WM_COMMAND, IDCANCEL,
                                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
                    return TRUE;
                case VK_RETURN:
                    pressEnter(dialog);
                    return TRUE;
                default:
                    break;
            }
        }
    }
    // Not a dialog key: translate and dispatch. The character a key makes is
    // posted after it, as TranslateMessage does.
    MSG copy = *message;
    if (copy.message == WM_KEYDOWN) {
        if (char16_t c = characterOf(copy.wParam)) {
            PostMessageW(copy.hwnd, WM_CHAR, c, copy.lParam);
        }
    }
    dispatchMessage(copy);
    return TRUE;
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    if (findWindow(dialog) == nullptr) {
        return nullptr;
    }
    if (control == dialog) {
        control = nullptr;
    }
    if (control != nullptr && GetParent(control) != dialog) {
        control = nullptr;  // not one of the dialog's controls: start afresh
    }
    if (control == nullptr && previous) {
        return nullptr;
    }
    std::vector<HWND> children = childrenOf(dialog);
    const int n = static_cast<int>(children.size());
    if (n == 0) {
        return nullptr;
    }
    if (control == nullptr) {
        for (HWND child : children) {
            if (isTabStop(child)) {
                return child;
            }
        }
        return nullptr;
    }
    int at = 0;
    while (at < n && children[at] != control) {
        ++at;
    }
    // From the control onwards (or backwards), wrapping round once.
    const int step = previous ? -1 : 1;
    for (int k = 1; k <= n; ++k) {
        HWND candidate = children[((at + step * k) % n + n) % n];
        if (isTabStop(candidate)) {
            return candidate;
        }
    }
    return control;
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    if (findWindow(dialog) == nullptr) {
        return nullptr;
    }
    if (control == dialog) {
        control = nullptr;
    }
    if (control == nullptr && previous) {
        return nullptr;
    }
    std::vector<HWND> children = childrenOf(dialog);
    if (children.empty()) {
        return nullptr;
    }
    if (control != nullptr) {
        if (GetParent(control) != dialog) {
            return nullptr;
        }
    } else {
        control = children.front();
        if (visibleAndEnabled(control)) {
            return control;
        }
    }
    auto nextOf = [&children](HWND window) -> HWND {
        for (std::size_t i = 0; i + 1 < children.size(); ++i) {
            if (children[i] == window) {
                return children[i + 1];
            }
        }
        return nullptr;
    };
    // Walk forwards round the list: past the control, note where its group
    // starts, come back to that start and walk the group up to the control.
    // The next item is the first usable one after the control; the previous
    // one the last usable one before it.
    HWND result = control;
    HWND window = control;
    HWND lastGroupStart = nullptr;
    bool looped = false, skipping = false;
    for (;;) {
        HWND next = nextOf(window);
        if (next == nullptr) {
            if (looped) {
                break;
            }
            looped = true;
            next = children.front();
        }
        window = next;
        if (styleOf(window) & WS_GROUP) {
            lastGroupStart = window;
            skipping = true;
        }
        if (window == control) {
            if (!skipping || lastGroupStart == window) {
                break;
            }
            window = lastGroupStart;
            skipping = false;
            looped = false;
        }
        if (!skipping && visibleAndEnabled(window)) {
            result = window;
            if (!previous) {
                break;
            }
        }
    }
    return result;
}
