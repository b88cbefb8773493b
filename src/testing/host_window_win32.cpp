#include "testing/host_window.h"

#include "win_api/win_api.h"
#include "ruby/calls.h"
#include "ruby/convert.h"
#include "ruby/method.h"
#include "testing/dialog_proxy.h"
#include "testing/ruby_values.h"

namespace kvr::testing {

namespace {

constexpr const wchar_t* kHostClass = L"KVRGUITestHost";
HWND hostWindow = nullptr;

bool RegisterHostClass() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kHostClass;
    return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

rb::Value RectArray(const RECT& r) {
    rb::Value array = NewArray();
    for (LONG v : {r.left, r.top, r.right, r.bottom}) {
        Push(array, rb::integer(v));
    }
    return array;
}

long Coordinate(rb::Value rect, long index) {
    return rb::toLong(rb::call(rect, "fetch", rb::integer(index)));
}

rb::Value ShowHostWindow(rb::Value, rb::Value rect) {
    long left = Coordinate(rect, 0), top = Coordinate(rect, 1);
    long width = Coordinate(rect, 2), height = Coordinate(rect, 3);
    if (hostWindow == nullptr || !IsWindow(hostWindow)) {
        if (!RegisterHostClass()) {
            rb::raiseError("RuntimeError", "the host window class could not be registered");
        }
        hostWindow = CreateWindowExW(0, kHostClass, L"Host", WS_OVERLAPPEDWINDOW, 0, 0, 1, 1,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (hostWindow == nullptr) {
            rb::raiseError("RuntimeError", "the host window could not be created");
        }
    }
    SetWindowPos(hostWindow, HWND_TOP, static_cast<int>(left), static_cast<int>(top),
                 static_cast<int>(width), static_cast<int>(height), SWP_SHOWWINDOW);
    SetForegroundWindow(hostWindow);
    SetActiveWindow(hostWindow);
    return rb::nil();
}

rb::Value HostWindow(rb::Value) {
    if (hostWindow == nullptr || !IsWindow(hostWindow)) {
        return rb::nil();
    }
    RECT r{};
    GetWindowRect(hostWindow, &r);
    rb::Value state = rb::evalString("{}");
    rb::call(state, "store", rb::evalString(":enabled"),
             rb::boolValue(IsWindowEnabled(hostWindow) != FALSE));
    rb::call(state, "store", rb::evalString(":active"),
             rb::boolValue(GetActiveWindow() == hostWindow));
    rb::call(state, "store", rb::evalString(":rect"), RectArray(r));
    return state;
}

rb::Value CloseHostWindow(rb::Value) {
    if (hostWindow != nullptr && IsWindow(hostWindow)) {
        DestroyWindow(hostWindow);
    }
    hostWindow = nullptr;
    return rb::nil();
}

rb::Value OwnedByHost(rb::Value self) {
    HWND owner = GetWindow(DialogOf(self), GW_OWNER);
    return rb::boolValue(owner != nullptr && owner == hostWindow);
}

rb::Value WindowRect(rb::Value self) {
    RECT r{};
    GetWindowRect(DialogOf(self), &r);
    return RectArray(r);
}

}  // namespace

void DefineHostWindowMethods(rb::Value driverModule, rb::Value dialogProxyClass) {
    rb::defineSingletonMethod<&HostWindow>(driverModule, "host_window");
    rb::defineSingletonMethod<&CloseHostWindow>(driverModule, "close_host_window");
    rb::defineSingletonMethod<&ShowHostWindow>(driverModule, "show_host_window");
    rb::defineMethod<&OwnedByHost>(dialogProxyClass, "owned_by_host?");
    rb::defineMethod<&WindowRect>(dialogProxyClass, "window_rect");
}

}  // namespace kvr::testing
