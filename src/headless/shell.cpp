// ShellExecuteW: the headless system opens nothing and reports success (a
// value above 32). Test builds record the module's launches before they get
// here (framework/shell.h).
#include "win_api/user32.h"

HINSTANCE ShellExecuteW(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, int) {
    return reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(42));
}
