#include "headless/window_table.h"

#include <algorithm>
#include <unordered_map>

namespace kvr::headless {

namespace {

struct WindowTable {
    std::unordered_map<std::uintptr_t, std::unique_ptr<Window>> windows;
    std::vector<HWND> topLevel;
};

WindowTable& table() {
    static WindowTable t;
    return t;
}

std::uintptr_t key(HWND handle) {
    return reinterpret_cast<std::uintptr_t>(handle);
}

// Bytes a dialog window reserves for DWLP_MSGRESULT, DWLP_DLGPROC and DWLP_USER.
constexpr std::size_t kDialogExtraBytes = DWLP_USER + sizeof(LONG_PTR);

}  // namespace

std::uintptr_t newHandleValue() {
    // Real handles are small multiples of four, never below 64 K (so they can
    // not be mistaken for MAKEINTRESOURCE values).
    static std::uintptr_t next = 0x10000;
    next += 4;
    return next;
}

Window* findWindow(HWND handle) {
    if (handle == nullptr) {
        return nullptr;
    }
    auto& windows = table().windows;
    auto found = windows.find(key(handle));
    return found != windows.end() ? found->second.get() : nullptr;
}

Window& addWindow(WindowClass windowClass, HWND parent, HWND owner) {
    auto window = std::make_unique<Window>();
    window->handle = reinterpret_cast<HWND>(newHandleValue());
    window->windowClass = windowClass;
    window->proc = classProc(windowClass);
    window->parent = parent;
    window->owner = parent == nullptr ? owner : nullptr;
    if (windowClass == WindowClass::Dialog) {
        window->extra.assign(kDialogExtraBytes, 0);
    }
    Window& added = *window;
    if (Window* p = findWindow(parent)) {
        p->children.push_back(added.handle);
    } else {
        table().topLevel.push_back(added.handle);
    }
    table().windows.emplace(key(added.handle), std::move(window));
    return added;
}

void removeWindow(HWND handle) {
    Window* window = findWindow(handle);
    if (window == nullptr) {
        return;
    }
    auto unlink = [handle](std::vector<HWND>& list) {
        list.erase(std::remove(list.begin(), list.end(), handle), list.end());
    };
    if (Window* p = findWindow(window->parent)) {
        unlink(p->children);
    }
    unlink(table().topLevel);
    table().windows.erase(key(handle));
}

const std::vector<HWND>& topLevelWindows() {
    return table().topLevel;
}

std::size_t windowCount() {
    return table().windows.size();
}

WNDPROC classProc(WindowClass windowClass) {
    switch (windowClass) {
        case WindowClass::Dialog:
            return &dialogClassProc;
        case WindowClass::Button:
            return &buttonClassProc;
        case WindowClass::Edit:
            return &editClassProc;
        case WindowClass::Static:
            return &staticClassProc;
    }
    return &DefWindowProcW;
}

const char16_t* className(WindowClass windowClass) {
    switch (windowClass) {
        case WindowClass::Dialog:
            return u"#32770";
        case WindowClass::Button:
            return u"Button";
        case WindowClass::Edit:
            return u"Edit";
        case WindowClass::Static:
            return u"Static";
    }
    return u"";
}

std::optional<WindowClass> classFromName(const std::u16string& name) {
    std::u16string upper = name;
    for (char16_t& c : upper) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    if (upper == u"BUTTON") {
        return WindowClass::Button;
    }
    if (upper == u"EDIT") {
        return WindowClass::Edit;
    }
    if (upper == u"STATIC") {
        return WindowClass::Static;
    }
    return std::nullopt;
}

bool isShownOnScreen(HWND handle) {
    for (Window* w = findWindow(handle); w != nullptr; w = findWindow(w->parent)) {
        if (!(w->style & WS_VISIBLE)) {
            return false;
        }
    }
    return findWindow(handle) != nullptr;
}

bool isEnabledWithAncestors(HWND handle) {
    for (Window* w = findWindow(handle); w != nullptr; w = findWindow(w->parent)) {
        if (w->style & WS_DISABLED) {
            return false;
        }
    }
    return findWindow(handle) != nullptr;
}

HWND owningDialog(HWND handle) {
    for (Window* w = findWindow(handle); w != nullptr; w = findWindow(w->parent)) {
        if (w->dialog) {
            return w->handle;
        }
    }
    return nullptr;
}

}  // namespace kvr::headless

int kvrHeadlessLiveWindows() {
    return static_cast<int>(kvr::headless::windowCount());
}
