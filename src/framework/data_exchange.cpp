#include "framework/data_exchange.h"

#include "framework/dialog.h"

namespace kvr::ui {

namespace {

HWND Control(CDataExchange* pDX, int id) {
    return ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
}

bool IsRadioButton(HWND window) {
    return (SendMessageW(window, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

bool StartsGroup(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_GROUP) != 0;
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int id, text::WideString& value) {
    HWND control = Control(pDX, id);
    if (control == nullptr) {
        return;
    }
    int length = GetWindowTextLengthW(control);
    text::WideString current(static_cast<std::size_t>(length) + 1, text::WideChar(0));
    current.resize(static_cast<std::size_t>(GetWindowTextW(control, current.data(), length + 1)));
    if (pDX->m_bSaveAndValidate) {
        value = current;
    } else if (current != value) {
        SetWindowTextW(control, value.c_str());
    }
}

void DDX_Radio(CDataExchange* pDX, int id, int& value) {
    HWND first = Control(pDX, id);
    if (first == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = -1;
    }
    int index = 0;
    for (HWND w = first; w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w != first && StartsGroup(w)) {
            break;
        }
        if (!IsRadioButton(w)) {
            continue;
        }
        if (pDX->m_bSaveAndValidate) {
            if (SendMessageW(w, BM_GETCHECK, 0, 0) != BST_UNCHECKED && value == -1) {
                value = index;
            }
        } else {
            SendMessageW(w, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) {
        control.SubclassDlgItem(id, pDX->m_pDlgWnd->m_hWnd);
    }
}

}  // namespace kvr::ui
