// Edit boxes: the text exchange (DDX_Text), the selection messages, and
// typing as the user does it.
#include "test_dialog.h"
#include "user_input.h"

namespace kvr::framework_test {
namespace {

using EditBoxes = FrameworkTest;
using Selection = std::pair<DWORD, DWORD>;
using text::WideString;

TEST_F(EditBoxes, TheExchangeWritesOnlyTextThatDiffers) {
    WideString first = KVR_WIDE("first");  // the template's text
    TestDialog dialog(IDD_EDITS);
    dialog.exchange = [&](ui::CDataExchange* dx) { ui::DDX_Text(dx, IDC_FIRST_EDIT, first); };
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        // Exchanges outside UpdateData, so that the edit's notifications reach
        // the command map.
        ui::CDataExchange toControls(&d, FALSE);
        Select(w, IDC_FIRST_EDIT, 1, 3);
        ui::DDX_Text(&toControls, IDC_FIRST_EDIT, first);
        // Equal text: no WM_SETTEXT (which would have reset the selection),
        // no EN_CHANGE.
        EXPECT_EQ(d.firstEditChanges, 0);
        EXPECT_EQ(SelectionOf(w, IDC_FIRST_EDIT), Selection(1, 3));

        WideString other = KVR_WIDE("other");
        ui::DDX_Text(&toControls, IDC_FIRST_EDIT, other);
        EXPECT_EQ(TextOf(w, IDC_FIRST_EDIT), other);
        EXPECT_EQ(d.firstEditChanges, 1);
        EXPECT_EQ(SelectionOf(w, IDC_FIRST_EDIT), Selection(0, 0));

        // Within UpdateData the change the exchange causes is not the user's:
        // the dialog ignores it.
        first = KVR_WIDE("from the members");
        d.UpdateData(FALSE);
        EXPECT_EQ(TextOf(w, IDC_FIRST_EDIT), first);
        EXPECT_EQ(d.firstEditChanges, 1);

        // Reading takes the window text as it is.
        SetWindowTextW(GetDlgItem(w, IDC_FIRST_EDIT), KVR_WIDE(""));
        d.UpdateData(TRUE);
        EXPECT_EQ(first, WideString());
        d.EndDialog(IDCANCEL);
    }};
    EXPECT_EQ(Run(dialog), IDCANCEL);
}

TEST_F(EditBoxes, SelectionMessagesClampAndOrderTheirPositions) {
    TestDialog dialog(IDD_EDITS);
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        HWND edit = GetDlgItem(w, IDC_SECOND_EDIT);
        ASSERT_EQ(TextOf(w, IDC_SECOND_EDIT), WideString(KVR_WIDE("second text")));

        Select(w, IDC_SECOND_EDIT, 2, 5);
        EXPECT_EQ(SelectionOf(w, IDC_SECOND_EDIT), Selection(2, 5));
        EXPECT_EQ(SendMessageW(edit, EM_GETSEL, 0, 0), MAKELONG(2, 5));
        Select(w, IDC_SECOND_EDIT, 3, -1);  // -1: the end of the text
        EXPECT_EQ(SelectionOf(w, IDC_SECOND_EDIT), Selection(3, 11));
        Select(w, IDC_SECOND_EDIT, 7, 2);  // reported start first
        EXPECT_EQ(SelectionOf(w, IDC_SECOND_EDIT), Selection(2, 7));
        Select(w, IDC_SECOND_EDIT, 4, 100);  // clamped to the text
        EXPECT_EQ(SelectionOf(w, IDC_SECOND_EDIT), Selection(4, 11));
        Select(w, IDC_SECOND_EDIT, -1, 0);  // -1 as the start: no selection
        EXPECT_EQ(SelectionOf(w, IDC_SECOND_EDIT), Selection(11, 11));
        Select(w, IDC_SECOND_EDIT, 0, -1);
        EXPECT_EQ(SelectionOf(w, IDC_SECOND_EDIT), Selection(0, 11));
        SetWindowTextW(edit, KVR_WIDE("abc"));  // a new text: caret at the start
        EXPECT_EQ(SelectionOf(w, IDC_SECOND_EDIT), Selection(0, 0));
        d.EndDialog(IDCANCEL);
    }};
    EXPECT_EQ(Run(dialog), IDCANCEL);
}

TEST_F(EditBoxes, TabSelectsAllOfAnEditAndTypingReplacesTheSelection) {
    WideString first = KVR_WIDE("first"), second = KVR_WIDE("second text");
    TestDialog dialog(IDD_EDITS);
    dialog.exchange = [&](ui::CDataExchange* dx) {
        ui::DDX_Text(dx, IDC_FIRST_EDIT, first);
        ui::DDX_Text(dx, IDC_SECOND_EDIT, second);
    };
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        // The initial focus selects the first box's whole text.
        EXPECT_EQ(FocusId(w), IDC_FIRST_EDIT);
        EXPECT_EQ(SelectionOf(w, IDC_FIRST_EDIT), Selection(0, 5));

        PressKey(w, VK_TAB);
        EXPECT_EQ(FocusId(w), IDC_SECOND_EDIT);
        EXPECT_EQ(SelectionOf(w, IDC_SECOND_EDIT), Selection(0, 11));
        TypeIntoFocus(KVR_WIDE("42"));
        EXPECT_EQ(TextOf(w, IDC_SECOND_EDIT), WideString(KVR_WIDE("42")));
        EXPECT_EQ(SelectionOf(w, IDC_SECOND_EDIT), Selection(2, 2));

        // The user's typing notifies the dialog, one change a character.
        Type(w, IDC_FIRST_EDIT, KVR_WIDE("xyz"));
        EXPECT_EQ(TextOf(w, IDC_FIRST_EDIT), WideString(KVR_WIDE("xyz")));
        EXPECT_EQ(d.firstEditChanges, 3);
        Click(w, IDOK);
    }};
    EXPECT_EQ(Run(dialog), IDOK);
    EXPECT_EQ(first, WideString(KVR_WIDE("xyz")));
    EXPECT_EQ(second, WideString(KVR_WIDE("42")));
}

}  // namespace
}  // namespace kvr::framework_test
