#include "headless/control_helpers.h"

namespace kvr::headless {

void notifyParent(HWND control, WORD code) {
    SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

HDC beginControlPaint(HWND control, PAINTSTRUCT& paint) {
    HDC dc = BeginPaint(control, &paint);
    auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (dc != nullptr && font != nullptr) {
        SelectObject(dc, font);
    }
    return dc;
}

bool insideClient(HWND window, LPARAM point) {
    RECT client{};
    GetClientRect(window, &client);
    const int x = GET_X_LPARAM(point), y = GET_Y_LPARAM(point);
    return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

}  // namespace kvr::headless
