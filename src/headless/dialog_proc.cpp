// The window procedure of the dialog class (what DefDlgProc does): the dialog
// procedure runs first; what it leaves unhandled gets the dialog manager's
// default handling. Results travel in DWLP_MSGRESULT.
#include "headless/dialog_manager.h"
#include "headless/window_table.h"

namespace kvr::headless {

namespace {

LRESULT dialogCode(HWND window) {
    return SendMessageW(window, WM_GETDLGCODE, 0, 0);
}

void setButtonStyle(HWND button, DWORD type) {
    SendMessageW(button, BM_SETSTYLE, type, TRUE);
}

LRESULT defaultHandling(HWND dialog, DialogInfo& info, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SHOWWINDOW:
            if (!wParam) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(dialog, focus)) {
                    info.savedFocus = focus;
                }
            }
            return DefWindowProcW(dialog, message, wParam, lParam);
        case WM_SETFOCUS:
            restoreDialogFocus(dialog);
            return 0;
        case DM_SETDEFID:
            if (!info.ended) {
                setDefaultId(dialog, static_cast<int>(wParam));
            }
            return 1;
        case DM_GETDEFID:
            if (!info.ended) {
                if (info.defaultId != 0) {
                    return MAKELONG(info.defaultId, DC_HASDEFID);
                }
                if (HWND button = findDefaultButton(dialog)) {
                    return MAKELONG(GetDlgCtrlID(button), DC_HASDEFID);
                }
            }
            return 0;
        case WM_NEXTDLGCTL: {
            // lParam set: wParam is the control; otherwise the next (0) or
            // previous tab stop from the focus.
            HWND target = lParam ? reinterpret_cast<HWND>(wParam)
                                 : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0);
            if (target != nullptr) {
                setDialogFocus(target);
            }
            setDefaultButton(dialog, target);
            return 0;
        }
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(info.font);
        case WM_CLOSE:
            // The close box is Cancel: posted, as Win32 does.
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
            return 0;
        default:
            return DefWindowProcW(dialog, message, wParam, lParam);
    }
}

}  // namespace

void setDialogFocus(HWND control) {
    if (dialogCode(control) & DLGC_HASSETSEL) {
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
    SetFocus(control);
}

HWND findDefaultButton(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (dialogCode(child) & DLGC_DEFPUSHBUTTON) {
            return child;
        }
    }
    return nullptr;
}

namespace {

// Gives the default push button's look to newButton (whose dialog code is
// code), taking it from oldButton or, failing that, from whichever button
// has it now.
void moveDefaultLook(HWND dialog, HWND oldButton, HWND newButton, LRESULT code) {
    if (oldButton == nullptr || !(dialogCode(oldButton) & DLGC_DEFPUSHBUTTON)) {
        oldButton = findDefaultButton(dialog);
    }
    if (oldButton != nullptr && oldButton != newButton) {
        setButtonStyle(oldButton, BS_PUSHBUTTON);
    }
    if (newButton != nullptr && (code & DLGC_UNDEFPUSHBUTTON)) {
        setButtonStyle(newButton, BS_DEFPUSHBUTTON);
    }
}

}  // namespace

void setDefaultId(HWND dialog, int id) {
    Window* w = findWindow(dialog);
    if (w == nullptr || !w->dialog) {
        return;
    }
    const int oldId = w->dialog->defaultId;
    w->dialog->defaultId = id;
    HWND newButton = GetDlgItem(dialog, id);
    LRESULT code = newButton != nullptr ? dialogCode(newButton) : 0;
    if (newButton != nullptr && !(code & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON))) {
        return;  // not a push button
    }
    HWND oldButton = GetDlgItem(dialog, oldId);
    moveDefaultLook(dialog, oldButton, newButton, code);
}

void setDefaultButton(HWND dialog, HWND focused) {
    Window* w = findWindow(dialog);
    if (w == nullptr || !w->dialog) {
        return;
    }
    HWND oldButton = GetDlgItem(dialog, w->dialog->defaultId);
    HWND newButton = focused;
    LRESULT code = newButton != nullptr ? dialogCode(newButton) : 0;
    if (newButton != nullptr && !(code & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON))) {
        // Not a push button: the default id's button looks like the default again.
        newButton = oldButton;
        code = newButton != nullptr ? dialogCode(newButton) : 0;
    }
    moveDefaultLook(dialog, oldButton, newButton, code);
}

void restoreDialogFocus(HWND dialog) {
    Window* w = findWindow(dialog);
    if (w == nullptr || !w->dialog || w->dialog->ended) {
        return;
    }
    HWND target = w->dialog->savedFocus;
    if (!IsWindow(target) || target == dialog || !IsChild(dialog, target)) {
        target = GetNextDlgTabItem(dialog, nullptr, FALSE);
        if (target == nullptr) {
            target = GetNextDlgGroupItem(dialog, nullptr, FALSE);
        }
        if (target == nullptr) {
            return;
        }
    }
    w->dialog->savedFocus = nullptr;
    setDialogFocus(target);
}

LRESULT CALLBACK dialogClassProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(dialog);
    if (w == nullptr) {
        return 0;
    }
    if (!w->dialog) {
        return DefWindowProcW(dialog, message, wParam, lParam);
    }
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
    auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(dialog, DWLP_DLGPROC));
    INT_PTR result = proc != nullptr ? proc(dialog, message, wParam, lParam) : 0;
    w = findWindow(dialog);
    if (w == nullptr) {
        return 0;
    }
    if (!result && message != WM_INITDIALOG) {
        switch (message) {
            case WM_SHOWWINDOW:
            case WM_SETFOCUS:
            case DM_SETDEFID:
            case DM_GETDEFID:
            case WM_NEXTDLGCTL:
            case WM_GETFONT:
            case WM_CLOSE:
                return defaultHandling(dialog, *w->dialog, message, wParam, lParam);
            default:
                return DefWindowProcW(dialog, message, wParam, lParam);
        }
    }
    // WM_INITDIALOG answers with the procedure's own result; everything else
    // with DWLP_MSGRESULT.
    if (message == WM_INITDIALOG) {
        return result;
    }
    return GetWindowLongPtrW(dialog, DWLP_MSGRESULT);
}

}  // namespace kvr::headless
