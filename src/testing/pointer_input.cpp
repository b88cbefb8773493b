#include "testing/pointer_input.h"

namespace kvr::testing {

namespace {

LPARAM PointParam(POINT p) {
    return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y));
}

POINT ToClient(HWND from, HWND to, POINT p) {
    ClientToScreen(from, &p);
    ScreenToClient(to, &p);
    return p;
}

}  // namespace

POINT ControlCentre(HWND dialog, HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    POINT centre{(r.right - r.left) / 2, (r.bottom - r.top) / 2};
    return ToClient(control, dialog, centre);
}

PointerTarget WindowUnderPoint(HWND dialog, POINT p) {
    HWND child = ChildWindowFromPointEx(dialog, p, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (child != nullptr && child != dialog) {
        POINT screen = p;
        ClientToScreen(dialog, &screen);
        LRESULT hit = SendMessageW(child, WM_NCHITTEST, 0, PointParam(screen));
        if (hit != HTTRANSPARENT) {
            return {child, ToClient(dialog, child, p)};
        }
    }
    return {dialog, p};
}

void PressAndRelease(HWND dialog, POINT press, POINT release) {
    PointerTarget down = WindowUnderPoint(dialog, press);
    SendMessageW(down.window, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(down.client));
    HWND captured = GetCapture();
    PointerTarget up = captured != nullptr
                           ? PointerTarget{captured, ToClient(dialog, captured, release)}
                           : WindowUnderPoint(dialog, release);
    if (IsWindow(up.window)) {
        SendMessageW(up.window, WM_LBUTTONUP, 0, PointParam(up.client));
    }
    if (GetCapture() != nullptr) {
        ReleaseCapture();
    }
}

HCURSOR CursorAtPoint(HWND dialog, POINT p) {
    PointerTarget target = WindowUnderPoint(dialog, p);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(target.window, WM_SETCURSOR, reinterpret_cast<WPARAM>(target.window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

}  // namespace kvr::testing
