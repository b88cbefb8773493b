#include "dialog_state.h"

#include <vector>

#include "json_writer.h"
#include "text/wide_string.h"

namespace driver {

namespace {

// A reply within this time or the dialog's thread is taken as busy; the
// snapshot then shows what could be read.
constexpr UINT kReplyMilliseconds = 2000;

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyMilliseconds,
                             &result)) {
        return 0;
    }
    return static_cast<LRESULT>(result);
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

bool HasCheckMark(HWND control) {
    if (_wcsicmp(ClassName(control).c_str(), L"Button") != 0) {
        return false;
    }
    switch (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return true;
        default:
            return false;
    }
}

std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

void WriteControl(JsonWriter& json, HWND control) {
    const std::wstring cls = ClassName(control);
    json.BeginObject();
    // Template ids are 16-bit: IDC_STATIC (-1) comes back as 65535.
    json.Key("id").Number(static_cast<short>(GetDlgCtrlID(control)));
    json.Key("class").String(kvr::text::wideToUtf8(cls));
    json.Key("text").String(kvr::text::wideToUtf8(WindowText(control)));
    json.Key("checked");
    if (HasCheckMark(control)) {
        json.Bool(Ask(control, BM_GETCHECK) == BST_CHECKED);
    } else {
        json.Null();
    }
    json.Key("enabled").Bool(IsWindowEnabled(control) != FALSE);
    json.Key("visible").Bool(IsWindowVisible(control) != FALSE);
    json.Key("selection");
    if (_wcsicmp(cls.c_str(), L"Edit") == 0) {
        const auto selection = static_cast<DWORD>(Ask(control, EM_GETSEL));
        json.BeginArray().Number(LOWORD(selection)).Number(HIWORD(selection)).EndArray();
    } else {
        json.Null();
    }
    json.EndObject();
}

}  // namespace

std::wstring WindowText(HWND window) {
    const auto length = static_cast<size_t>(Ask(window, WM_GETTEXTLENGTH));
    std::wstring text(length + 1, L'\0');
    const auto copied = static_cast<size_t>(
        Ask(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied < length ? copied : length);
    return text;
}

int FocusedControl(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) ||
        info.hwndFocus == nullptr || GetParent(info.hwndFocus) != dialog) {
        return 0;
    }
    return GetDlgCtrlID(info.hwndFocus);
}

std::string DialogStateJson(HWND dialog) {
    JsonWriter json;
    json.BeginObject();
    json.Key("caption").String(kvr::text::wideToUtf8(WindowText(dialog)));
    json.Key("foreground").Bool(GetForegroundWindow() == dialog);
    json.Key("focus");
    if (const int focus = FocusedControl(dialog); focus != 0) {
        json.Number(focus);
    } else {
        json.Null();
    }
    json.Key("controls").BeginArray();
    for (HWND child : Children(dialog)) {
        WriteControl(json, child);
    }
    json.EndArray();
    json.EndObject();
    return json.Text();
}

}  // namespace driver
