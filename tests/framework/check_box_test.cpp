// Check boxes: the state exchange (a DDX_Check of these tests' own, as a
// dialog with check boxes bound to members would write it), clicks on
// automatic check boxes, and hidden and disabled boxes.
#include "test_dialog.h"
#include "user_input.h"

namespace kvr::framework_test {
namespace {

using Ids = std::vector<int>;
using CheckBoxes = FrameworkTest;

// A check box's state: 0, 1 or 2; writing any other value clears it.
void DDX_Check(ui::CDataExchange* pDX, int id, int& value) {
    HWND control = GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
    if (control == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(SendMessageW(control, BM_GETCHECK, 0, 0));
    } else {
        int state = (value >= 0 && value <= 2) ? value : 0;
        SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(state), 0);
    }
}

TEST_F(CheckBoxes, TheExchangeWritesAndReadsTheState) {
    int check = 1, hidden = 1, disabled = 1, three = 2;
    TestDialog dialog(IDD_CHECKS);
    dialog.exchange = [&](ui::CDataExchange* dx) {
        DDX_Check(dx, IDC_CHECK, check);
        DDX_Check(dx, IDC_HIDDEN_CHECK, hidden);
        DDX_Check(dx, IDC_DISABLED_CHECK, disabled);
        DDX_Check(dx, IDC_THREE_STATE, three);
    };
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        EXPECT_EQ(CheckState(w, IDC_CHECK), BST_CHECKED);
        EXPECT_EQ(CheckState(w, IDC_HIDDEN_CHECK), BST_CHECKED);
        EXPECT_EQ(CheckState(w, IDC_DISABLED_CHECK), BST_CHECKED);
        EXPECT_EQ(CheckState(w, IDC_THREE_STATE), BST_INDETERMINATE);

        // Values outside 0..2 clear the box.
        for (int value : {3, -1, 256}) {
            check = three = value;
            d.UpdateData(FALSE);
            EXPECT_EQ(CheckState(w, IDC_CHECK), BST_UNCHECKED) << value;
            EXPECT_EQ(CheckState(w, IDC_THREE_STATE), BST_UNCHECKED) << value;
            d.UpdateData(TRUE);
            EXPECT_EQ(check, 0);
            EXPECT_EQ(three, 0);
        }
        // A two-state box has no indeterminate state: BM_SETCHECK keeps at
        // most BST_CHECKED.
        check = 2;
        three = 1;
        d.UpdateData(FALSE);
        EXPECT_EQ(CheckState(w, IDC_CHECK), BST_CHECKED);
        EXPECT_EQ(CheckState(w, IDC_THREE_STATE), BST_CHECKED);
        Click(w, IDOK);
    }};
    EXPECT_EQ(Run(dialog), IDOK);
    EXPECT_EQ(check, 1);
    EXPECT_EQ(three, 1);
    // Hidden and disabled boxes keep the state written to them.
    EXPECT_EQ(hidden, 1);
    EXPECT_EQ(disabled, 1);
}

TEST_F(CheckBoxes, ClicksToggleAutomaticBoxesButNotDisabledOnes) {
    TestDialog dialog(IDD_CHECKS);
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        Click(w, IDC_CHECK);
        EXPECT_EQ(CheckState(w, IDC_CHECK), BST_CHECKED);
        Click(w, IDC_CHECK);
        EXPECT_EQ(CheckState(w, IDC_CHECK), BST_UNCHECKED);

        // Three states: unchecked, checked, indeterminate, and round again.
        for (int expected : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}) {
            Click(w, IDC_THREE_STATE);
            EXPECT_EQ(CheckState(w, IDC_THREE_STATE), expected);
        }

        for (int state : {BST_UNCHECKED, BST_CHECKED}) {
            SendMessageW(GetDlgItem(w, IDC_DISABLED_CHECK), BM_SETCHECK, state, 0);
            Click(w, IDC_DISABLED_CHECK);
            EXPECT_EQ(CheckState(w, IDC_DISABLED_CHECK), state);
        }
        EXPECT_EQ(d.clicks,
                  (Ids{IDC_CHECK, IDC_CHECK, IDC_THREE_STATE, IDC_THREE_STATE, IDC_THREE_STATE}));
        PressKey(w, VK_ESCAPE);
    }};
    EXPECT_EQ(Run(dialog), IDCANCEL);
}

TEST_F(CheckBoxes, TabPassesOverHiddenAndDisabledBoxes) {
    int hidden = 1;
    TestDialog dialog(IDD_CHECKS);
    dialog.exchange = [&](ui::CDataExchange* dx) { DDX_Check(dx, IDC_HIDDEN_CHECK, hidden); };
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        // The first visible, enabled tab stop has the focus at the start.
        Ids visited{FocusId(w)};
        for (int i = 0; i < 5; ++i) {
            PressKey(w, VK_TAB);
            visited.push_back(FocusId(w));
        }
        EXPECT_EQ(visited,
                  (Ids{IDC_CHECK, IDC_THREE_STATE, IDC_CHECKS_EDIT, IDOK, IDCANCEL, IDC_CHECK}));
        EXPECT_EQ(CheckState(w, IDC_HIDDEN_CHECK), BST_CHECKED);
        PressKey(w, VK_ESCAPE);
    }};
    EXPECT_EQ(Run(dialog), IDCANCEL);
}

}  // namespace
}  // namespace kvr::framework_test
