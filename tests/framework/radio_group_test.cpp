// Radio button groups: the index exchange (DDX_Radio) and what a click does to
// a group of automatic radio buttons.
#include "test_dialog.h"
#include "user_input.h"

namespace kvr::framework_test {
namespace {

using Ids = std::vector<int>;
using RadioGroups = FrameworkTest;

const Ids kAllRadios = {IDC_ONE,  IDC_TWO,  IDC_HIDDEN_RADIO, IDC_DISABLED_RADIO,
                        IDC_FIVE, IDC_LEFT, IDC_RIGHT,        IDC_UP};

TEST_F(RadioGroups, IndexesCountEveryRadioButtonUpToTheNextGroup) {
    int first = 2;  // the hidden one: the static before it is not counted
    int second = 1;
    TestDialog dialog(IDD_RADIOS);
    dialog.exchange = [&](ui::CDataExchange* dx) {
        ui::DDX_Radio(dx, IDC_ONE, first);
        ui::DDX_Radio(dx, IDC_LEFT, second);
    };
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        EXPECT_EQ(CheckedAmong(w, kAllRadios), (Ids{IDC_HIDDEN_RADIO, IDC_RIGHT}));

        // Every index, hidden and disabled radio buttons included, in both
        // directions; the second group keeps its own check.
        const int byIndex[] = {IDC_ONE, IDC_TWO, IDC_HIDDEN_RADIO, IDC_DISABLED_RADIO, IDC_FIVE};
        for (int index = 0; index < 5; ++index) {
            first = index;
            d.UpdateData(FALSE);
            EXPECT_EQ(CheckedAmong(w, kAllRadios), (Ids{byIndex[index], IDC_RIGHT})) << index;
            first = 99;
            d.UpdateData(TRUE);
            EXPECT_EQ(first, index);
            EXPECT_EQ(second, 1);
        }

        // Any other value clears the group, which then reads as -1.
        for (int value : {5, -1, 1000}) {
            first = value;
            d.UpdateData(FALSE);
            EXPECT_EQ(CheckedAmong(w, kAllRadios), Ids{IDC_RIGHT}) << value;
            first = 99;
            d.UpdateData(TRUE);
            EXPECT_EQ(first, -1) << value;
        }
        d.EndDialog(IDCANCEL);
    }};
    EXPECT_EQ(Run(dialog), IDCANCEL);
}

TEST_F(RadioGroups, AClickMovesTheCheckWithinItsGroupOnly) {
    int first = 0, second = 0;
    TestDialog dialog(IDD_RADIOS);
    dialog.exchange = [&](ui::CDataExchange* dx) {
        ui::DDX_Radio(dx, IDC_ONE, first);
        ui::DDX_Radio(dx, IDC_LEFT, second);
    };
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        EXPECT_EQ(CheckedAmong(w, kAllRadios), (Ids{IDC_ONE, IDC_LEFT}));
        Click(w, IDC_TWO);
        EXPECT_EQ(CheckedAmong(w, kAllRadios), (Ids{IDC_TWO, IDC_LEFT}));
        Click(w, IDC_UP);
        EXPECT_EQ(CheckedAmong(w, kAllRadios), (Ids{IDC_TWO, IDC_UP}));
        // A disabled radio button takes no click and sends no notification.
        Click(w, IDC_DISABLED_RADIO);
        EXPECT_EQ(CheckedAmong(w, kAllRadios), (Ids{IDC_TWO, IDC_UP}));
        // The last of its group, past the static, the hidden and the disabled one.
        Click(w, IDC_FIVE);
        EXPECT_EQ(CheckedAmong(w, kAllRadios), (Ids{IDC_FIVE, IDC_UP}));
        EXPECT_EQ(d.clicks, (Ids{IDC_TWO, IDC_UP, IDC_FIVE}));
        Click(w, IDOK);
    }};
    EXPECT_EQ(Run(dialog), IDOK);
    EXPECT_EQ(first, 4);  // hidden and disabled radio buttons count
    EXPECT_EQ(second, 2);
}

TEST_F(RadioGroups, TheAutomaticWalkPassesOverHiddenAndDisabledRadioButtons) {
    int first = 2;  // the hidden one
    TestDialog dialog(IDD_RADIOS);
    dialog.exchange = [&](ui::CDataExchange* dx) { ui::DDX_Radio(dx, IDC_ONE, first); };
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        SendMessageW(GetDlgItem(w, IDC_DISABLED_RADIO), BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_EQ(CheckedAmong(w, kAllRadios), (Ids{IDC_HIDDEN_RADIO, IDC_DISABLED_RADIO}));
        Click(w, IDC_FIVE);
        EXPECT_EQ(CheckedAmong(w, kAllRadios),
                  (Ids{IDC_HIDDEN_RADIO, IDC_DISABLED_RADIO, IDC_FIVE}));
        Click(w, IDC_ONE);
        EXPECT_EQ(CheckedAmong(w, kAllRadios),
                  (Ids{IDC_ONE, IDC_HIDDEN_RADIO, IDC_DISABLED_RADIO}));
        PressKey(w, VK_ESCAPE);
    }};
    EXPECT_EQ(Run(dialog), IDCANCEL);
    EXPECT_EQ(first, 2);  // Cancel reads nothing back
}

// The keyboard reaches a group at its checked radio button (BM_SETCHECK makes
// it the group's tab stop), and the arrow keys carry the check with the focus
// round the group. (Real Windows also sends BN_CLICKED to a radio button that
// gains the focus, see BM_SETDONTCLICK; Wine does not, so the clicks the
// keyboard causes are not compared here.)
TEST_F(RadioGroups, TheKeyboardEntersAtTheCheckedButtonAndArrowsMoveTheCheck) {
    int first = 1, second = 0;
    TestDialog dialog(IDD_RADIOS);
    dialog.exchange = [&](ui::CDataExchange* dx) {
        ui::DDX_Radio(dx, IDC_ONE, first);
        ui::DDX_Radio(dx, IDC_LEFT, second);
    };
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        auto isTabStop = [w](int id) {
            return (GetWindowLongPtrW(GetDlgItem(w, id), GWL_STYLE) & WS_TABSTOP) != 0;
        };
        EXPECT_FALSE(isTabStop(IDC_ONE));
        EXPECT_TRUE(isTabStop(IDC_TWO));
        EXPECT_EQ(FocusId(w), IDC_TWO);
        PressKey(w, VK_TAB);
        EXPECT_EQ(FocusId(w), IDC_LEFT);

        PressKey(w, VK_DOWN);
        EXPECT_EQ(FocusId(w), IDC_RIGHT);
        EXPECT_EQ(CheckedAmong(w, kAllRadios), (Ids{IDC_TWO, IDC_RIGHT}));
        PressKey(w, VK_UP);
        PressKey(w, VK_UP);  // from the first of the group round to the last
        EXPECT_EQ(FocusId(w), IDC_UP);
        EXPECT_EQ(CheckedAmong(w, kAllRadios), (Ids{IDC_TWO, IDC_UP}));
        EXPECT_TRUE(isTabStop(IDC_UP));
        EXPECT_FALSE(isTabStop(IDC_LEFT));
        PressKey(w, VK_RETURN);
    }};
    EXPECT_EQ(Run(dialog), IDOK);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
}

// The exchange of a single radio button that is not the first of its group
// (the editor's "angle alone" choice): the walk starts at that control.
TEST_F(RadioGroups, AnExchangeGivenAControlWithoutGroupStyleWalksOnFromIt) {
    int fromTwo = 3;  // Two, Hidden, Disabled, Five: the fourth is Five
    TestDialog dialog(IDD_RADIOS);
    dialog.exchange = [&](ui::CDataExchange* dx) { ui::DDX_Radio(dx, IDC_TWO, fromTwo); };
    dialog.user = {[&](TestDialog& d) {
        HWND w = d.m_hWnd;
        EXPECT_EQ(CheckedAmong(w, kAllRadios), Ids{IDC_FIVE});

        // The control before the start is not part of the walk.
        SendMessageW(GetDlgItem(w, IDC_ONE), BM_SETCHECK, BST_CHECKED, 0);
        fromTwo = 0;
        d.UpdateData(FALSE);
        EXPECT_EQ(CheckedAmong(w, kAllRadios), (Ids{IDC_ONE, IDC_TWO}));
        fromTwo = -1;
        d.UpdateData(FALSE);
        EXPECT_EQ(CheckedAmong(w, kAllRadios), Ids{IDC_ONE});
        fromTwo = 99;
        d.UpdateData(TRUE);
        EXPECT_EQ(fromTwo, -1);

        // Nor is anything from the next group on.
        SendMessageW(GetDlgItem(w, IDC_LEFT), BM_SETCHECK, BST_CHECKED, 0);
        d.UpdateData(TRUE);
        EXPECT_EQ(fromTwo, -1);
        Click(w, IDC_FIVE);
        Click(w, IDOK);
    }};
    EXPECT_EQ(Run(dialog), IDOK);
    EXPECT_EQ(fromTwo, 3);
}

}  // namespace
}  // namespace kvr::framework_test
