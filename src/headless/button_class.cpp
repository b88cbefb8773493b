// The button class: push buttons, check boxes, radio buttons and group boxes.
// A click is a press and a release inside the button; on the release an
// automatic check box toggles, an automatic radio button checks itself and
// unchecks the other radio buttons of its group, and the parent gets
// BN_CLICKED. Disabled buttons do not react.
#include "headless/control_helpers.h"
#include "headless/window_table.h"

namespace kvr::headless {

namespace {

// Set while the left button (or the space bar) holds the button down.
constexpr LONG kHeldDown = 0x40;
constexpr COLORREF kGrayText = 0x808080;
// Width of the check mark box and the gap before the caption.
constexpr LONG kCheckBoxWidth = 16;

DWORD buttonType(const Window& w) {
    return w.style & BS_TYPEMASK;
}

LONG maxCheckState(DWORD type) {
    switch (type) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return BST_CHECKED;
        case BS_3STATE:
        case BS_AUTO3STATE:
            return BST_INDETERMINATE;
        default:
            return BST_UNCHECKED;
    }
}

LRESULT dialogCode(DWORD type) {
    switch (type) {
        case BS_PUSHBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX:
            return DLGC_STATIC;
        default:
            return DLGC_BUTTON;
    }
}

// Checks the radio button and unchecks the other radio buttons of its group
// that are visible and enabled (the group walk skips the others).
void checkInGroup(HWND button) {
    SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
    HWND parent = GetParent(button);
    HWND start = GetNextDlgGroupItem(parent, button, TRUE);
    HWND sibling = start;
    for (int guard = kvrHeadlessLiveWindows(); sibling != nullptr && guard > 0; --guard) {
        if (sibling != button && (SendMessageW(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) {
            SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
        sibling = GetNextDlgGroupItem(parent, sibling, FALSE);
        if (sibling == start) {
            break;
        }
    }
}

// The end of a press: a click when released inside.
void release(HWND button, bool inside) {
    Window* w = findWindow(button);
    if (w == nullptr || !(w->button.state & kHeldDown)) {
        return;
    }
    w->button.state &= ~kHeldDown;
    if (!(w->button.state & BST_PUSHED)) {
        ReleaseCapture();
        return;
    }
    SendMessageW(button, BM_SETSTATE, FALSE, 0);
    w = findWindow(button);
    if (w == nullptr) {
        return;
    }
    if (!inside || (w->style & WS_DISABLED)) {
        ReleaseCapture();
        return;
    }
    switch (buttonType(*w)) {
        case BS_AUTOCHECKBOX:
            SendMessageW(button, BM_SETCHECK,
                         (w->button.state & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED, 0);
            break;
        case BS_AUTO3STATE: {
            LONG check = w->button.state & 3;
            SendMessageW(button, BM_SETCHECK, check == BST_INDETERMINATE ? 0 : check + 1, 0);
            break;
        }
        case BS_AUTORADIOBUTTON:
            checkInGroup(button);
            break;
        default:
            break;
    }
    ReleaseCapture();
    notifyParent(button, BN_CLICKED);
}

void press(HWND button) {
    SetCapture(button);
    SetFocus(button);
    if (Window* w = findWindow(button)) {
        w->button.state |= kHeldDown;
    }
    SendMessageW(button, BM_SETSTATE, TRUE, 0);
}

void paint(HWND button) {
    PAINTSTRUCT ps;
    HDC dc = beginControlPaint(button, ps);
    Window* w = findWindow(button);
    if (dc == nullptr || w == nullptr) {
        EndPaint(button, &ps);
        return;
    }
    RECT r{};
    GetClientRect(button, &r);
    const DWORD type = buttonType(*w);
    UINT format = (w->style & BS_MULTILINE) ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        format |= DT_CENTER;
    } else if (type == BS_GROUPBOX) {
        format = DT_SINGLELINE;
    } else {
        r.left += kCheckBoxWidth;
    }
    SetTextColor(dc, (w->style & WS_DISABLED) ? kGrayText : 0);
    std::u16string text = w->text;
    DrawTextExW(dc, text.data(), static_cast<int>(text.size()), &r, format, nullptr);
    EndPaint(button, &ps);
}

// The mouse and the space bar: a press captures the button, a release inside
// it clicks.
void onUserInput(HWND button, Window& w, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool enabled = !(w.style & WS_DISABLED);
    switch (message) {
        case WM_LBUTTONDOWN:
            if (enabled) {
                press(button);
            }
            break;
        case WM_LBUTTONUP:
            release(button, insideClient(button, lParam));
            break;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE && enabled) {
                press(button);
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE) {
                release(button, true);
            }
            break;
        case WM_MOUSEMOVE:
            if ((wParam & MK_LBUTTON) && GetCapture() == button) {
                SendMessageW(button, BM_SETSTATE, insideClient(button, lParam) ? TRUE : FALSE, 0);
            }
            break;
        case WM_CAPTURECHANGED:
            // Losing the mouse ends a press without a click.
            if (reinterpret_cast<HWND>(lParam) != button && (w.button.state & kHeldDown)) {
                w.button.state &= ~kHeldDown;
                if (w.button.state & BST_PUSHED) {
                    SendMessageW(button, BM_SETSTATE, FALSE, 0);
                }
            }
            break;
        case BM_CLICK:
            if (enabled) {
                SendMessageW(button, WM_LBUTTONDOWN, 0, 0);
                SendMessageW(button, WM_LBUTTONUP, 0, 0);
            }
            break;
        default:
            break;
    }
}

void setCheck(HWND button, Window& w, DWORD type, WPARAM wParam) {
    const LONG check = static_cast<LONG>(wParam) > maxCheckState(type) ? maxCheckState(type)
                                                                       : static_cast<LONG>(wParam);
    // A checked radio button is the group's tab stop; an unchecked one is not.
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
        w.style = check ? (w.style | WS_TABSTOP) : (w.style & ~WS_TABSTOP);
    }
    if ((w.button.state & 3) != check) {
        w.button.state = (w.button.state & ~3) | check;
        InvalidateRect(button, nullptr, FALSE);
    }
}

// The BM_ messages: check state, pushed state and style.
LRESULT onButtonMessage(HWND button, Window& w, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case BM_GETCHECK:
            return w.button.state & 3;
        case BM_SETCHECK:
            setCheck(button, w, buttonType(w), wParam);
            return 0;
        case BM_GETSTATE:
            return w.button.state & ~kHeldDown;
        case BM_SETSTATE:
            w.button.state =
                wParam ? (w.button.state | BST_PUSHED) : (w.button.state & ~BST_PUSHED);
            InvalidateRect(button, nullptr, FALSE);
            return 0;
        case BM_SETSTYLE:
            w.style = (w.style & ~BS_TYPEMASK) | (static_cast<DWORD>(wParam) & BS_TYPEMASK);
            if (lParam) {
                InvalidateRect(button, nullptr, TRUE);
            }
            return 0;
        default:
            return 0;
    }
}

void onFocus(HWND button, Window& w, UINT message) {
    if (message == WM_SETFOCUS) {
        w.button.state |= BST_FOCUS;
    } else {
        w.button.state &= ~BST_FOCUS;
        if ((w.button.state & kHeldDown) && GetCapture() == button) {
            ReleaseCapture();
        }
    }
    InvalidateRect(button, nullptr, FALSE);
}

}  // namespace

LRESULT CALLBACK buttonClassProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(button);
    if (w == nullptr) {
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            w->button.state = BST_UNCHECKED;
            return 0;
        case WM_GETDLGCODE:
            return dialogCode(buttonType(*w));
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_MOUSEMOVE:
        case WM_CAPTURECHANGED:
        case BM_CLICK:
            onUserInput(button, *w, message, wParam, lParam);
            return 0;
        case BM_GETCHECK:
        case BM_SETCHECK:
        case BM_GETSTATE:
        case BM_SETSTATE:
        case BM_SETSTYLE:
            return onButtonMessage(button, *w, message, wParam, lParam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            onFocus(button, *w, message);
            return 0;
        case WM_SETTEXT: {
            LRESULT result = DefWindowProcW(button, message, wParam, lParam);
            InvalidateRect(button, nullptr, TRUE);
            return result;
        }
        case WM_ENABLE:
            InvalidateRect(button, nullptr, TRUE);
            return 0;
        case WM_PAINT:
            paint(button);
            return 0;
        case WM_NCHITTEST:
            // A group box is transparent to the mouse.
            if (buttonType(*w) == BS_GROUPBOX) {
                return HTTRANSPARENT;
            }
            return DefWindowProcW(button, message, wParam, lParam);
        default:
            return DefWindowProcW(button, message, wParam, lParam);
    }
}

}  // namespace kvr::headless
