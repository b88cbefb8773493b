#include "framework/wnd.h"

#include <exception>
#include <iterator>

#include "framework/dialog.h"

namespace kvr::ui {

const CRuntimeClass* CWnd::RuntimeClassOf() {
    static const CRuntimeClass info{"CWnd", nullptr};
    return &info;
}

const CRuntimeClass* CWnd::GetRuntimeClass() const {
    return RuntimeClassOf();
}

CWnd::~CWnd() {
    // A control object may die before its window (a dialog member destroyed
    // while the window lingers): give the window its own procedure back.
    if (m_hWnd != nullptr && previousProc_ != nullptr && IsWindow(m_hWnd)) {
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
        SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    }
}

text::WideString CWnd::GetWindowText() const {
    if (m_hWnd == nullptr) {
        return {};
    }
    int length = ::GetWindowTextLengthW(m_hWnd);
    text::WideString buffer(static_cast<std::size_t>(length) + 1, text::WideChar(0));
    int copied = ::GetWindowTextW(m_hWnd, buffer.data(), length + 1);
    buffer.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    return buffer;
}

void CWnd::SetWindowText(text::WideView value) {
    if (m_hWnd != nullptr) {
        text::WideString copy(value);
        ::SetWindowTextW(m_hWnd, copy.c_str());
    }
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_hWnd != nullptr ? ::SendMessageW(m_hWnd, message, wParam, lParam) : 0;
}

HWND CWnd::GetDlgItem(int id) const {
    return m_hWnd != nullptr ? ::GetDlgItem(m_hWnd, id) : nullptr;
}

bool CWnd::SubclassDlgItem(int id, HWND parent) {
    HWND control = ::GetDlgItem(parent, id);
    if (control == nullptr || m_hWnd != nullptr || FromAttachedHandle(control) != nullptr) {
        return false;
    }
    m_hWnd = control;
    PreSubclassWindow();
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previousProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    return true;
}

CWnd* CWnd::FromAttachedHandle(HWND window) {
    if (window == nullptr || GetWindowLongPtrW(window, GWLP_WNDPROC) !=
                                 reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)) {
        return nullptr;
    }
    return reinterpret_cast<CWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CWnd::Default() {
    return CallWindowProcW(previousProc_, m_hWnd, current_.message, current_.wParam,
                           current_.lParam);
}

void CWnd::Detach() {
    SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
    previousProc_ = nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    auto saved = current_;
    current_ = {message, wParam, lParam};
    LRESULT result = 0;
    bool handled = false;
    if (const ControlMessageMap* map = GetMessageMap()) {
        for (int i = 0; i < map->count && !handled; ++i) {
            const ControlMessageEntry& entry = map->entries[i];
            if (entry.message != message) {
                continue;
            }
            handled = true;
            if (entry.onPaint != nullptr) {
                (this->*entry.onPaint)();
            } else if (entry.onMouseButton != nullptr) {
                POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                (this->*entry.onMouseButton)(static_cast<UINT>(wParam), point);
            } else if (entry.onSetCursor != nullptr) {
                result = (this->*entry.onSetCursor)(reinterpret_cast<HWND>(wParam), LOWORD(lParam),
                                                    HIWORD(lParam));
            }
        }
    }
    if (!handled) {
        result = Default();
    }
    current_ = saved;
    return result;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* self = reinterpret_cast<CWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        WNDPROC previous = self->previousProc_;
        self->Detach();
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
    // No C++ exception may unwind through the window system's frames: hand it
    // to the dialog, which ends its modal loop and rethrows it afterwards.
    try {
        return self->WindowProc(message, wParam, lParam);
    } catch (...) {
        CDialog::AbortModalLoop(GetParent(window), std::current_exception());
        return 0;
    }
}

}  // namespace kvr::ui
