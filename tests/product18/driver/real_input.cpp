#include "real_input.h"

#include <map>
#include <sstream>
#include <vector>

namespace driver {

namespace {

INPUT MouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

INPUT KeyInput(WORD virtualKey, WORD scan, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Absolute mouse coordinates run from 0 to 65535 across the primary screen.
LONG Normalised(LONG pixel, int screenSize) {
    return static_cast<LONG>((pixel * 65536LL + screenSize - 1) / screenSize);
}

WORD VirtualKey(const std::string& name) {
    static const std::map<std::string, WORD> keys = {
        {"tab", VK_TAB},     {"space", VK_SPACE},  {"enter", VK_RETURN},   {"esc", VK_ESCAPE},
        {"left", VK_LEFT},   {"right", VK_RIGHT},  {"up", VK_UP},          {"down", VK_DOWN},
        {"home", VK_HOME},   {"end", VK_END},      {"backspace", VK_BACK}, {"delete", VK_DELETE},
        {"shift", VK_SHIFT}, {"ctrl", VK_CONTROL}, {"alt", VK_MENU},       {"a", 'A'}};
    const auto found = keys.find(name);
    return found == keys.end() ? 0 : found->second;
}

// The arrow keys and their block are extended keys.
DWORD ExtendedFlag(WORD key) {
    switch (key) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_DELETE:
            return KEYEVENTF_EXTENDEDKEY;
        default:
            return 0;
    }
}

}  // namespace

void ClickAt(POINT screen) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const LONG x = Normalised(screen.x, width);
    const LONG y = Normalised(screen.y, height);
    // The move goes first and alone, so the window under the pointer sees it
    // arrive before the button goes down, as with a hand on a mouse.
    Send({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y)});
    Sleep(20);
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE, x, y)});
    Sleep(20);
    Send({MouseInput(MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE, x, y)});
}

POINT ControlCentre(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

namespace {

// The height of the caption bar's middle: between the window's top edge and
// the client area.
LONG CaptionRow(HWND dialog, RECT& window) {
    GetWindowRect(dialog, &window);
    POINT clientTop{0, 0};
    ClientToScreen(dialog, &clientTop);
    return (window.top + clientTop.y) / 2;
}

LRESULT HitTest(HWND dialog, LONG x, LONG y) {
    DWORD_PTR hit = HTNOWHERE;
    SendMessageTimeoutW(dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
    return static_cast<LRESULT>(hit);
}

}  // namespace

bool CloseBoxCentre(HWND dialog, POINT& screen) {
    RECT window{};
    const LONG y = CaptionRow(dialog, window);
    LONG first = -1, last = -1;
    for (LONG x = window.right - 1; x > window.left; --x) {
        if (HitTest(dialog, x, y) == HTCLOSE) {
            if (last < 0) {
                last = x;
            }
            first = x;
        } else if (last >= 0) {
            break;
        }
    }
    if (last < 0) {
        return false;
    }
    screen = {(first + last) / 2, y};
    return true;
}

bool CaptionPoint(HWND dialog, POINT& screen) {
    RECT window{};
    const LONG y = CaptionRow(dialog, window);
    for (LONG x = window.left + 8; x < window.right; x += 4) {
        if (HitTest(dialog, x, y) == HTCAPTION) {
            screen = {x, y};
            return true;
        }
    }
    return false;
}

bool PressKey(const std::string& name) {
    std::vector<WORD> keys;
    std::istringstream parts(name);
    for (std::string part; std::getline(parts, part, '+');) {
        const WORD key = VirtualKey(part);
        if (key == 0) {
            return false;
        }
        keys.push_back(key);
    }
    if (keys.empty()) {
        return false;
    }
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        const WORD scan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        inputs.push_back(KeyInput(key, scan, ExtendedFlag(key)));
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        const WORD scan = static_cast<WORD>(MapVirtualKeyW(*key, MAPVK_VK_TO_VSC));
        inputs.push_back(KeyInput(*key, scan, ExtendedFlag(*key) | KEYEVENTF_KEYUP));
    }
    Send(inputs);
    return true;
}

void TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t unit : text) {
        inputs.push_back(KeyInput(0, unit, KEYEVENTF_UNICODE));
        inputs.push_back(KeyInput(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    Send(inputs);
}

}  // namespace driver
