// The headless dialog manager: building a dialog from its template, focus at
// start, the keyboard (Tab, Enter, Escape), the close box and the modal loop.
#include <vector>

#include "headless_test_support.h"

namespace kvr::headless_test {
namespace {

using HeadlessDialog = HeadlessTest;

TEST_F(HeadlessDialog, BuildsTheDialogFromItsTemplate) {
    Script script;
    script.shown = [](HWND dialog) {
        EXPECT_EQ(textOf(dialog), u"Test dialog");
        EXPECT_TRUE(IsWindowVisible(dialog));
        char16_t name[16] = {};
        GetClassNameW(item(dialog, kEdit), name, 16);
        EXPECT_EQ(std::u16string(name), u"Edit");
        EXPECT_EQ(textOf(item(dialog, kEdit)), u"hello");
        EXPECT_EQ(GetDlgCtrlID(item(dialog, kCheck)), kCheck);
        EXPECT_EQ(GetParent(item(dialog, kCheck)), dialog);
        EXPECT_FALSE(IsWindowVisible(item(dialog, kRadioHidden)));
        EXPECT_FALSE(IsWindowEnabled(item(dialog, kRadioDisabled)));

        // The template font, 8 points, goes to the dialog and every control.
        auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
        LOGFONTW lf{};
        ASSERT_EQ(GetObjectW(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
        EXPECT_EQ(lf.lfHeight, -11);
        EXPECT_EQ(std::u16string(lf.lfFaceName), u"MS Shell Dlg");
        EXPECT_EQ(SendMessageW(item(dialog, kLabel), WM_GETFONT, 0, 0),
                  reinterpret_cast<LRESULT>(font));

        // Control rectangles are the template's in dialog units, mapped.
        RECT expected{10, 30, 30, 44};
        ASSERT_TRUE(MapDialogRect(dialog, &expected));
        EXPECT_EQ(expected.right - expected.left, 30);  // 20 units x 6 / 4
        RECT edit{};
        GetWindowRect(item(dialog, kNarrowEdit), &edit);
        POINT origin{0, 0};
        ClientToScreen(dialog, &origin);
        EXPECT_EQ(edit.left - origin.x, expected.left);
        EXPECT_EQ(edit.top - origin.y, expected.top);
        EXPECT_EQ(edit.bottom - edit.top, expected.bottom - expected.top);

        // The point at a control's centre finds that control.
        POINT centre{(expected.left + expected.right) / 2, (expected.top + expected.bottom) / 2};
        EXPECT_EQ(ChildWindowFromPointEx(dialog, centre, CWP_SKIPINVISIBLE),
                  item(dialog, kNarrowEdit));
        EXPECT_EQ(ChildWindowFromPointEx(dialog, POINT{-1, 5}, CWP_ALL), nullptr);
        EndDialog(dialog, 7);
    };
    EXPECT_EQ(runDialog(kMainDialog, script), 7);
}

TEST_F(HeadlessDialog, TemplatesThatCannotBeBuiltReturnMinusOne) {
    Script script;
    EXPECT_EQ(runDialog(kUnknownClassDialog, script), -1);
    const unsigned char garbage[64] = {1, 0, 0x12, 0x34, 9};  // no DLGTEMPLATEEX signature
    EXPECT_EQ(DialogBoxIndirectParamW(testModule(), reinterpret_cast<LPCDLGTEMPLATEW>(garbage),
                                      nullptr, nullptr, 0),
              -1);
    EXPECT_EQ(DialogBoxIndirectParamW(testModule(), nullptr, nullptr, nullptr, 0), -1);
}

TEST_F(HeadlessDialog, InitDialogTrueFocusesTheFirstTabStopWithItsTextSelected) {
    Script script;
    HWND focusAtShow = nullptr;
    std::pair<DWORD, DWORD> selection;
    script.shown = [&](HWND dialog) {
        focusAtShow = GetFocus();
        selection = selectionOf(item(dialog, kEdit));
        EXPECT_EQ(focusAtShow, item(dialog, kEdit));
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
    EXPECT_NE(focusAtShow, nullptr);
    EXPECT_EQ(selection, std::make_pair(DWORD{0}, DWORD{5}));
}

TEST_F(HeadlessDialog, InitDialogFalseKeepsTheFocusTheProcedureSet) {
    Script script;
    script.init = [](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDCANCEL));
        return FALSE;
    };
    script.shown = [](HWND dialog) {
        EXPECT_EQ(GetFocus(), item(dialog, IDCANCEL));
        EXPECT_EQ(selectionOf(item(dialog, kEdit)), std::make_pair(DWORD{0}, DWORD{0}));
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
}

TEST_F(HeadlessDialog, TabWalksVisibleEnabledTabStopsInTemplateOrderAndWraps) {
    Script script;
    std::vector<int> forward, backward;
    script.shown = [&](HWND dialog) {
        SetWindowTextW(item(dialog, kNarrowEdit), u"abc");
        SendMessageW(item(dialog, kRadioB), BM_SETCHECK, BST_CHECKED,
                     0);  // B is the group's stop now
        SendMessageW(item(dialog, kRadioA), BM_SETCHECK, BST_UNCHECKED, 0);
        for (int i = 0; i < 7; ++i) {
            pressKey(dialog, VK_TAB);
            forward.push_back(GetDlgCtrlID(GetFocus()));
        }
        // The edit reached by Tab has all its text selected.
        SetFocus(item(dialog, kEdit));
        pressKey(dialog, VK_TAB);
        EXPECT_EQ(selectionOf(item(dialog, kNarrowEdit)), std::make_pair(DWORD{0}, DWORD{3}));
        kvrHeadlessSetKeyDown(VK_SHIFT, true);
        for (int i = 0; i < 2; ++i) {
            pressKey(dialog, VK_TAB);
            backward.push_back(GetDlgCtrlID(GetFocus()));
        }
        kvrHeadlessSetKeyDown(VK_SHIFT, false);
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
    // From the edit: the narrow edit, the checked radio button, the check box,
    // OK, Cancel; disabled and hidden stops are skipped; then round again.
    EXPECT_EQ(forward,
              (std::vector<int>{kNarrowEdit, kRadioB, kCheck, IDOK, IDCANCEL, kEdit, kNarrowEdit}));
    EXPECT_EQ(backward, (std::vector<int>{kEdit, IDCANCEL}));
}

TEST_F(HeadlessDialog, APushButtonWithTheFocusIsTheDefaultWhileItHasIt) {
    Script script;
    script.shown = [](HWND dialog) {
        auto code = [](HWND w) { return SendMessageW(w, WM_GETDLGCODE, 0, 0); };
        EXPECT_TRUE(code(item(dialog, IDOK)) & DLGC_DEFPUSHBUTTON);
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(dialog, IDCANCEL)), TRUE);
        EXPECT_TRUE(code(item(dialog, IDCANCEL)) & DLGC_DEFPUSHBUTTON);
        EXPECT_TRUE(code(item(dialog, IDOK)) & DLGC_UNDEFPUSHBUTTON);
        pressKey(dialog, VK_RETURN);  // clicks the focused default: Cancel
    };
    EXPECT_EQ(runDialog(kMainDialog, script), IDCANCEL);
    EXPECT_EQ(script.clicks(), (std::vector<Command>{{IDCANCEL, BN_CLICKED}}));

    Script back;
    back.shown = [](HWND dialog) {
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(dialog, IDCANCEL)), TRUE);
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(dialog, kEdit)), TRUE);
        EXPECT_TRUE(SendMessageW(item(dialog, IDOK), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
        EXPECT_TRUE(SendMessageW(item(dialog, IDCANCEL), WM_GETDLGCODE, 0, 0) &
                    DLGC_UNDEFPUSHBUTTON);
        pressKey(dialog, VK_RETURN);  // from the edit: the default id, OK
    };
    EXPECT_EQ(runDialog(kMainDialog, back), IDOK);
}

TEST_F(HeadlessDialog, EnterWithoutADefaultButtonSendsIdOk) {
    Script script;
    script.endOnOkCancel = false;
    script.shown = [](HWND dialog) {
        EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), IDOK);
        pressKey(dialog, VK_RETURN);
        EndDialog(dialog, 9);
    };
    EXPECT_EQ(runDialog(kPlainDialog, script), 9);
    EXPECT_EQ(script.clicks(), (std::vector<Command>{{IDOK, BN_CLICKED}}));
}

TEST_F(HeadlessDialog, EnterDoesNothingWhenTheDefaultButtonIsDisabled) {
    Script script;
    script.shown = [](HWND dialog) { pressKey(dialog, VK_RETURN); };
    // Nothing ended it, so the close box did.
    EXPECT_EQ(runDialog(kDisabledDefaultDialog, script), IDCANCEL);
    EXPECT_EQ(script.clicks(), (std::vector<Command>{{IDCANCEL, BN_CLICKED}}));
    EXPECT_EQ(script.closeMessages, 1);
}

TEST_F(HeadlessDialog, EscapeIsCancelEvenWithoutACancelButton) {
    Script script;
    script.shown = [](HWND dialog) {
        pressKey(dialog, VK_ESCAPE);
        EXPECT_FALSE(IsWindowVisible(dialog));  // EndDialog hides it at once
    };
    EXPECT_EQ(runDialog(kPlainDialog, script), IDCANCEL);
    EXPECT_EQ(script.clicks(), (std::vector<Command>{{IDCANCEL, BN_CLICKED}}));
    EXPECT_EQ(script.closeMessages, 0);
}

TEST_F(HeadlessDialog, TheCloseBoxPostsCancel) {
    Script script;
    script.shown = [](HWND dialog) {
        SendMessageW(dialog, WM_CLOSE, 0, 0);
        EXPECT_TRUE(IsWindowVisible(dialog));  // posted: handled after this
    };
    EXPECT_EQ(runDialog(kMainDialog, script), IDCANCEL);
    EXPECT_EQ(script.clicks(), (std::vector<Command>{{IDCANCEL, BN_CLICKED}}));
}

TEST_F(HeadlessDialog, AnIdleLoopClosesTheDialogAndNeverHangs) {
    Script ignoresCancel;
    ignoresCancel.endOnOkCancel = false;
    EXPECT_EQ(runDialog(kMainDialog, ignoresCancel), IDCANCEL);
    EXPECT_EQ(ignoresCancel.closeMessages, 1);
    EXPECT_EQ(ignoresCancel.clicks(), (std::vector<Command>{{IDCANCEL, BN_CLICKED}}));

    Script endsAtInit;
    bool shown = false;
    endsAtInit.init = [](HWND dialog) {
        EndDialog(dialog, 5);
        return TRUE;
    };
    endsAtInit.shown = [&](HWND) { shown = true; };
    EXPECT_EQ(runDialog(kMainDialog, endsAtInit), 5);
    EXPECT_FALSE(shown);
}

TEST_F(HeadlessDialog, StaleHandlesFailQuietly) {
    Script script;
    HWND dialog = nullptr, edit = nullptr;
    script.shown = [&](HWND d) {
        dialog = d;
        edit = item(d, kEdit);
        EndDialog(d, IDOK);
    };
    runDialog(kMainDialog, script);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(IsWindow(edit));
    char16_t buffer[8] = {u'x'};
    EXPECT_EQ(GetWindowTextW(edit, buffer, 8), 0);
    EXPECT_EQ(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_EQ(SetFocus(edit), nullptr);
    EXPECT_FALSE(DestroyWindow(dialog));
    EXPECT_FALSE(EndDialog(dialog, 1));
    EXPECT_FALSE(PostMessageW(dialog, WM_COMMAND, IDOK, 0));
    EXPECT_EQ(GetDlgItem(dialog, kEdit), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
}

// A subclassed control sees its window go: WM_DESTROY, then WM_NCDESTROY.
std::vector<std::pair<int, UINT>>* destroyLog = nullptr;
WNDPROC editProc = nullptr;

LRESULT CALLBACK subclassedEdit(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY || message == WM_NCDESTROY) {
        destroyLog->push_back({GetDlgCtrlID(window), message});
    }
    if (message == WM_CHAR && wParam == u'!') {
        return 0;  // the subclass swallows this one
    }
    return CallWindowProcW(editProc, window, message, wParam, lParam);
}

TEST_F(HeadlessDialog, SubclassedControlsGetTheirDestructionMessages) {
    std::vector<std::pair<int, UINT>> log;
    destroyLog = &log;
    Script script;
    script.init = [](HWND dialog) {
        editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            GetDlgItem(dialog, kEdit), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&subclassedEdit)));
        SetWindowLongPtrW(GetDlgItem(dialog, kEdit), GWLP_USERDATA, 1234);
        return TRUE;
    };
    script.shown = [](HWND dialog) {
        HWND edit = item(dialog, kEdit);
        EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC),
                  reinterpret_cast<LONG_PTR>(&subclassedEdit));
        EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_USERDATA), 1234);
        SendMessageW(edit, EM_SETSEL, 5, 5);
        SendMessageW(edit, WM_CHAR, u'!', 0);
        SendMessageW(edit, WM_CHAR, u'?', 0);
        EXPECT_EQ(textOf(edit), u"hello?");
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
    EXPECT_EQ(log, (std::vector<std::pair<int, UINT>>{{kEdit, WM_DESTROY}, {kEdit, WM_NCDESTROY}}));
    destroyLog = nullptr;
}

TEST_F(HeadlessDialog, DialogDataSlotsAndStyles) {
    Script script;
    script.shown = [](HWND dialog) {
        LONG_PTR user = GetWindowLongPtrW(dialog, DWLP_USER);  // the script's
        EXPECT_EQ(SetWindowLongPtrW(dialog, DWLP_USER, 77), user);
        EXPECT_EQ(GetWindowLongPtrW(dialog, DWLP_USER), 77);
        SetWindowLongPtrW(dialog, DWLP_USER, user);
        EXPECT_NE(GetWindowLongPtrW(dialog, DWLP_DLGPROC), 0);
        // A dialog procedure's result travels in DWLP_MSGRESULT.
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 5);
        EXPECT_EQ(GetWindowLongPtrW(dialog, DWLP_MSGRESULT), 5);
        EXPECT_EQ(GetWindowLongPtrW(item(dialog, kEdit), DWLP_USER), 0);  // no such slot
        LONG_PTR style = GetWindowLongPtrW(item(dialog, kCheck), GWL_STYLE);
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_TABSTOP), WS_CHILD | WS_VISIBLE | WS_TABSTOP);
        EXPECT_EQ(GetWindowLongPtrW(item(dialog, kCheck), GWL_ID), kCheck);
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
}

TEST_F(HeadlessDialog, CentredDialogsSitInTheMiddleOfTheScreen) {
    Script script;
    script.shown = [](HWND dialog) {
        RECT r{};
        GetWindowRect(dialog, &r);
        EXPECT_EQ(r.right - r.left, 180);  // 120 units x 6 / 4
        EXPECT_EQ((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2);
        EXPECT_EQ((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
        SetWindowPos(dialog, nullptr, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        GetWindowRect(dialog, &r);
        EXPECT_EQ(r.left, 5);
        EXPECT_EQ(r.right - r.left, 180);
        EndDialog(dialog, IDOK);
    };
    runDialog(kPlainDialog, script);
}

}  // namespace
}  // namespace kvr::headless_test
