#include "dialog_watch.h"

#include "dialog_state.h"

namespace driver {

namespace {

constexpr DWORD kPollMilliseconds = 15;
// Input is taken in within milliseconds once the thread runs its loop; the
// quiet time covers a handler that calls back into Ruby before it repaints.
constexpr DWORD kQuietMilliseconds = 60;
constexpr DWORD kSettleLimitMilliseconds = 3000;

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (wcscmp(cls, L"#32770") == 0 && IsWindowVisible(window) && IsWindowEnabled(window) &&
        (search->pid == 0 || owner == search->pid) && owner != GetCurrentProcessId()) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// True once the window's thread has answered a message: it runs its loop.
bool Answers(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored) != 0;
}

}  // namespace

HWND FindDialog(DWORD pid) {
    Search search{pid, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(DWORD pid, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND dialog = FindDialog(pid)) {
            return dialog;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return nullptr;
        }
        Sleep(kPollMilliseconds);
    }
}

std::string SettledState(HWND dialog) {
    const DWORD start = GetTickCount();
    std::string last;
    DWORD sameSince = start;
    for (;;) {
        if (!IsWindow(dialog)) {
            return "null";
        }
        Answers(dialog);
        std::string now = DialogStateJson(dialog);
        const DWORD tick = GetTickCount();
        if (now != last) {
            last = std::move(now);
            sameSince = tick;
        } else if (tick - sameSince >= kQuietMilliseconds) {
            return last;
        }
        if (tick - start >= kSettleLimitMilliseconds) {
            return last;
        }
        Sleep(kPollMilliseconds);
    }
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(kPollMilliseconds);
    }
    return true;
}

}  // namespace driver
