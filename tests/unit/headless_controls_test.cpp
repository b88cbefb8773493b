// The headless control classes: buttons (check boxes, radio groups, disabled
// buttons), edits (selection, typing, the width of a fixed edit) and statics
// (transparency to the mouse, bitmaps).
#include <vector>

#include "headless_test_support.h"

namespace kvr::headless_test {
namespace {

using HeadlessControls = HeadlessTest;

LRESULT checked(HWND dialog, int id) {
    return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0);
}

TEST_F(HeadlessControls, AnAutoRadioButtonChecksItselfAndUnchecksItsVisibleEnabledSiblings) {
    Script script;
    std::vector<LRESULT> afterB, afterA;
    script.shown = [&](HWND dialog) {
        // The hidden and the disabled member are checked by the program...
        SendMessageW(item(dialog, kRadioHidden), BM_SETCHECK, BST_CHECKED, 0);
        SendMessageW(item(dialog, kRadioDisabled), BM_SETCHECK, BST_CHECKED, 0);
        SendMessageW(item(dialog, kRadioA), BM_SETCHECK, BST_CHECKED, 0);
        // ...and the user's clicks leave them alone.
        SendMessageW(item(dialog, kRadioB), BM_CLICK, 0, 0);
        for (int id : {kRadioA, kRadioB, kRadioHidden, kRadioDisabled}) {
            afterB.push_back(checked(dialog, id));
        }
        click(item(dialog, kRadioA));
        for (int id : {kRadioA, kRadioB, kRadioHidden, kRadioDisabled}) {
            afterA.push_back(checked(dialog, id));
        }
        EXPECT_TRUE(GetWindowLongPtrW(item(dialog, kRadioA), GWL_STYLE) & WS_TABSTOP);
        EXPECT_FALSE(GetWindowLongPtrW(item(dialog, kRadioB), GWL_STYLE) & WS_TABSTOP);
        EXPECT_EQ(GetFocus(), item(dialog, kRadioA));
        // The check box after the group's end is not part of it.
        EXPECT_EQ(checked(dialog, kCheck), BST_UNCHECKED);
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
    EXPECT_EQ(afterB, (std::vector<LRESULT>{0, 1, 1, 1}));
    EXPECT_EQ(afterA, (std::vector<LRESULT>{1, 0, 1, 1}));
    EXPECT_EQ(script.clicks(),
              (std::vector<Command>{{kRadioB, BN_CLICKED}, {kRadioA, BN_CLICKED}}));
}

TEST_F(HeadlessControls, AClickIsAPressAndAReleaseInside) {
    Script script;
    script.shown = [](HWND dialog) {
        HWND check = item(dialog, kCheck);
        click(check);
        EXPECT_EQ(checked(dialog, kCheck), BST_CHECKED);
        EXPECT_EQ(GetCapture(), nullptr);
        SendMessageW(check, BM_CLICK, 0, 0);
        EXPECT_EQ(checked(dialog, kCheck), BST_UNCHECKED);
        // Released outside: no click.
        clickAt(check, POINT{2, 2}, POINT{-5, 2});
        EXPECT_EQ(checked(dialog, kCheck), BST_UNCHECKED);
        EXPECT_EQ(GetCapture(), nullptr);
        // A release without a press is no click either.
        SendMessageW(check, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(checked(dialog, kCheck), BST_UNCHECKED);
        // BM_SETCHECK is no click and takes values a check box can show.
        SendMessageW(check, BM_SETCHECK, 2, 0);
        EXPECT_EQ(checked(dialog, kCheck), BST_CHECKED);
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
    EXPECT_EQ(script.clicks(), (std::vector<Command>{{kCheck, BN_CLICKED}, {kCheck, BN_CLICKED}}));
}

TEST_F(HeadlessControls, DisabledButtonsDoNotReact) {
    Script script;
    script.shown = [](HWND dialog) {
        SendMessageW(item(dialog, kDisabledCheck), BM_CLICK, 0, 0);
        click(item(dialog, kDisabledCheck));
        click(item(dialog, kDisabledButton));
        EXPECT_EQ(checked(dialog, kDisabledCheck), BST_UNCHECKED);
        EXPECT_NE(GetFocus(), item(dialog, kDisabledButton));
        // Enabled again, it works; disabled while pressed, the release is no click.
        EnableWindow(item(dialog, kDisabledCheck), TRUE);
        click(item(dialog, kDisabledCheck));
        EXPECT_EQ(checked(dialog, kDisabledCheck), BST_CHECKED);
        HWND check = item(dialog, kCheck);
        SendMessageW(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        EXPECT_EQ(GetFocus(), check);
        EXPECT_FALSE(EnableWindow(check, FALSE));
        EXPECT_EQ(GetFocus(), nullptr);  // a disabled window keeps no focus
        SendMessageW(check, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(checked(dialog, kCheck), BST_UNCHECKED);
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
    EXPECT_EQ(script.clicks(), (std::vector<Command>{{kDisabledCheck, BN_CLICKED}}));
}

// Counts the edit notifications the dialog gets.
int changes(const Script& script, int id, int code) {
    int n = 0;
    for (const Command& c : script.commands) {
        n += c.id == id && c.code == code;
    }
    return n;
}

TEST_F(HeadlessControls, EditSelectionRules) {
    Script script;
    script.shown = [](HWND dialog) {
        HWND edit = item(dialog, kEdit);  // "hello"
        SendMessageW(edit, EM_SETSEL, 1, 3);
        EXPECT_EQ(selectionOf(edit), std::make_pair(DWORD{1}, DWORD{3}));
        EXPECT_EQ(SendMessageW(edit, EM_GETSEL, 0, 0), MAKELONG(1, 3));
        SendMessageW(edit, EM_SETSEL, 0, -1);  // -1: to the end
        EXPECT_EQ(selectionOf(edit), std::make_pair(DWORD{0}, DWORD{5}));
        SendMessageW(edit, EM_SETSEL, 0, 193);  // clamped
        EXPECT_EQ(selectionOf(edit), std::make_pair(DWORD{0}, DWORD{5}));
        SendMessageW(edit, EM_SETSEL, 4, 2);  // either order
        EXPECT_EQ(selectionOf(edit), std::make_pair(DWORD{2}, DWORD{4}));
        SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);  // deselect, caret stays
        EXPECT_EQ(selectionOf(edit), std::make_pair(DWORD{2}, DWORD{2}));
        SetWindowTextW(edit, u"new text");
        EXPECT_EQ(selectionOf(edit), std::make_pair(DWORD{0}, DWORD{0}));
        EXPECT_EQ(GetWindowTextLengthW(edit), 8);
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
    EXPECT_EQ(changes(script, kEdit, EN_CHANGE), 1);  // WM_SETTEXT of a single-line edit
}

TEST_F(HeadlessControls, TypingReplacesTheSelectionAndBackspaceDeletes) {
    Script script;
    int changesBefore = 0;
    script.shown = [&](HWND dialog) {
        HWND edit = item(dialog, kEdit);
        changesBefore = changes(script, kEdit, EN_CHANGE);
        SendMessageW(edit, EM_SETSEL, 1, 4);  // "ell"
        SendMessageW(edit, WM_CHAR, u'i', 1);
        EXPECT_EQ(textOf(edit), u"hio");
        EXPECT_EQ(selectionOf(edit), std::make_pair(DWORD{2}, DWORD{2}));
        SendMessageW(edit, WM_CHAR, VK_BACK, 1);
        SendMessageW(edit, WM_CHAR, VK_BACK, 1);
        SendMessageW(edit, WM_CHAR, VK_BACK, 1);  // nothing left before the caret
        EXPECT_EQ(textOf(edit), u"o");
        SendMessageW(edit, WM_CHAR, u'\t', 1);  // control characters stay out
        SendMessageW(edit, WM_CHAR, 0x00B0, 1);
        EXPECT_EQ(textOf(edit), u"\u00B0o");
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
    // i, two real backspaces and the degree sign changed the text.
    EXPECT_EQ(changes(script, kEdit, EN_CHANGE) - changesBefore, 4);
}

TEST_F(HeadlessControls, AFixedEditTakesOnlyWhatFitsItsWidth) {
    Script script;
    script.shown = [](HWND dialog) {
        HWND narrow = item(dialog, kNarrowEdit);  // 30 pixels: 4 characters of 6
        SetFocus(narrow);
        for (char16_t c : std::u16string(u"abcdef")) {
            SendMessageW(narrow, WM_CHAR, c, 1);
        }
        EXPECT_EQ(textOf(narrow), u"abcd");
        // Replacing a selection frees room.
        SendMessageW(narrow, EM_SETSEL, 0, 2);
        SendMessageW(narrow, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"XYZ"));
        EXPECT_EQ(textOf(narrow), u"XYcd");
        // WM_SETTEXT is not typing: it takes any length.
        SetWindowTextW(narrow, u"a much longer text");
        EXPECT_EQ(GetWindowTextLengthW(narrow), 18);

        HWND wide = item(dialog, kEdit);  // ES_AUTOHSCROLL: no limit from the width
        SendMessageW(wide, EM_SETSEL, 0, -1);
        for (int i = 0; i < 200; ++i) {
            SendMessageW(wide, WM_CHAR, u'x', 1);
        }
        EXPECT_EQ(GetWindowTextLengthW(wide), 200);
        SendMessageW(wide, EM_LIMITTEXT, 201, 0);
        SendMessageW(wide, WM_CHAR, u'y', 1);
        SendMessageW(wide, WM_CHAR, u'z', 1);
        EXPECT_EQ(GetWindowTextLengthW(wide), 201);
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
    EXPECT_GE(changes(script, kNarrowEdit, EN_MAXTEXT), 2);
    EXPECT_EQ(changes(script, kEdit, EN_MAXTEXT), 1);
}

TEST_F(HeadlessControls, StaticsWithoutNotifyAreTransparentToTheMouse) {
    Script script;
    script.shown = [](HWND dialog) {
        for (int id : {kLabel, kLink}) {
            HWND control = item(dialog, id);
            RECT r{};
            GetWindowRect(control, &r);
            POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            POINT inDialog = centre;
            ScreenToClient(dialog, &inDialog);
            // Found at its place either way...
            EXPECT_EQ(
                ChildWindowFromPointEx(dialog, inDialog, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED),
                control);
            // ...but only SS_NOTIFY takes the mouse.
            LRESULT hit = SendMessageW(control, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y));
            EXPECT_EQ(hit, id == kLink ? HTCLIENT : HTTRANSPARENT) << id;
        }
        click(item(dialog, kLink));
        EXPECT_EQ(SendMessageW(item(dialog, kLabel), WM_GETDLGCODE, 0, 0), DLGC_STATIC);
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
    EXPECT_EQ(script.clicks(), (std::vector<Command>{{kLink, STN_CLICKED}}));
}

TEST_F(HeadlessControls, BitmapStaticsLoadTheirBitmapOrStayEmpty) {
    Script script;
    script.shown = [](HWND dialog) {
        HWND bitmap = item(dialog, kBitmap);
        EXPECT_NE(SendMessageW(bitmap, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
        RECT r{};
        GetClientRect(bitmap, &r);
        EXPECT_EQ(r.right, 3);  // sized to the 3 x 2 bitmap
        EXPECT_EQ(r.bottom, 2);
        EXPECT_EQ(SendMessageW(item(dialog, kMissingBitmap), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
        EndDialog(dialog, IDOK);
    };
    runDialog(kMainDialog, script);
}

}  // namespace
}  // namespace kvr::headless_test
