#include "headless_test_support.h"

namespace kvr::headless_test {

namespace {

constexpr UINT kShown = WM_APP + 1;

INT_PTR CALLBACK scriptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* script = reinterpret_cast<Script*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            script = reinterpret_cast<Script*>(lParam);
            PostMessageW(dialog, kShown, 0, 0);
            return script->init(dialog);
        }
        case kShown:
            // Shown and painted as the user would first see it.
            ShowWindow(dialog, SW_SHOWNORMAL);
            RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            script->shown(dialog);
            return TRUE;
        case WM_CLOSE:
            ++script->closeMessages;
            return FALSE;  // the default handling: Cancel
        case WM_COMMAND: {
            int id = LOWORD(wParam), code = HIWORD(wParam);
            script->commands.push_back({id, code});
            if (script->endOnOkCancel && code == BN_CLICKED && (id == IDOK || id == IDCANCEL)) {
                EndDialog(dialog, id);
            }
            return TRUE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

std::vector<Command> Script::clicks() const {
    std::vector<Command> out;
    for (const Command& c : commands) {
        if (c.code == BN_CLICKED) {
            out.push_back(c);
        }
    }
    return out;
}

HMODULE testModule() {
    static HMODULE module = kvrHeadlessRegisterModule(testResourceImage, testResourceImageSize);
    return module;
}

INT_PTR runDialog(int templateId, Script& script) {
    HRSRC resource = FindResourceW(testModule(), MAKEINTRESOURCEW(templateId), RT_DIALOG);
    if (resource == nullptr) {
        ADD_FAILURE() << "no template " << templateId;
        return -2;
    }
    auto bytes = static_cast<LPCDLGTEMPLATEW>(LockResource(LoadResource(testModule(), resource)));
    return DialogBoxIndirectParamW(testModule(), bytes, nullptr, &scriptProc,
                                   reinterpret_cast<LPARAM>(&script));
}

HWND item(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    EXPECT_NE(control, nullptr) << "control " << id;
    return control;
}

std::u16string textOf(HWND window) {
    char16_t buffer[512] = {};
    int n = GetWindowTextW(window, buffer, 512);
    return std::u16string(buffer, static_cast<std::size_t>(n));
}

void pressKey(HWND dialog, int key) {
    MSG message{};
    message.hwnd = GetFocus() != nullptr ? GetFocus() : dialog;
    message.message = WM_KEYDOWN;
    message.wParam = static_cast<WPARAM>(key);
    IsDialogMessageW(dialog, &message);
}

void clickAt(HWND control, POINT press, POINT release) {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
}

void click(HWND control) {
    RECT r{};
    GetClientRect(control, &r);
    POINT centre{r.right / 2, r.bottom / 2};
    clickAt(control, centre, centre);
}

std::pair<DWORD, DWORD> selectionOf(HWND edit) {
    DWORD start = 99, end = 99;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

void HeadlessTest::SetUp() {
    ASSERT_NE(testModule(), nullptr);
    fonts_ = kvrHeadlessLiveFonts();
    cursors_ = kvrHeadlessLiveCursors();
}

void HeadlessTest::TearDown() {
    EXPECT_EQ(kvrHeadlessLiveWindows(), 0);
    EXPECT_EQ(kvrHeadlessLiveFonts(), fonts_);
    EXPECT_EQ(kvrHeadlessLiveCursors(), cursors_);
}

}  // namespace kvr::headless_test
