// Running a dialog: how OK, Cancel, Escape, the close box and Enter end it,
// and a template that cannot be found.
#include "framework/resource_scope.h"
#include "test_dialog.h"
#include "user_input.h"

namespace kvr::framework_test {
namespace {

using DialogRun = FrameworkTest;
using Ids = std::vector<int>;
using text::WideString;

TEST_F(DialogRun, OkExchangesFromTheControlsThenEndsWithIdOk) {
    WideString text = KVR_WIDE("first");
    bool endedBeforeExchange = true;
    TestDialog dialog(IDD_EDITS);
    dialog.exchange = [&](ui::CDataExchange* dx) {
        ui::DDX_Text(dx, IDC_FIRST_EDIT, text);
        if (dx->m_bSaveAndValidate) {
            endedBeforeExchange = dialog.HasEnded() || !IsWindowVisible(dialog.m_hWnd);
        }
    };
    dialog.user = {[&](TestDialog& d) {
        Type(d.m_hWnd, IDC_FIRST_EDIT, KVR_WIDE("typed"));
        Click(d.m_hWnd, IDOK);
    }};
    EXPECT_EQ(Run(dialog), IDOK);
    EXPECT_EQ(text, WideString(KVR_WIDE("typed")));
    EXPECT_EQ(dialog.okCalls, 1);
    EXPECT_EQ(dialog.saves, 1);
    EXPECT_FALSE(endedBeforeExchange);
}

// Cancel, Escape and the close box all end with IDCANCEL through OnCancel,
// and read nothing back from the controls.
TEST_F(DialogRun, CancelEscapeAndTheCloseBoxEndWithoutExchange) {
    const std::pair<const char*, TestDialog::Step> ways[] = {
        {"Cancel button", [](TestDialog& d) { Click(d.m_hWnd, IDCANCEL); }},
        {"Escape", [](TestDialog& d) { PressKey(d.m_hWnd, VK_ESCAPE); }},
        {"close box", [](TestDialog& d) { PressCloseBox(d.m_hWnd); }},
    };
    for (const auto& [name, cancel] : ways) {
        SCOPED_TRACE(name);
        WideString text = KVR_WIDE("kept");
        TestDialog dialog(IDD_EDITS);
        dialog.exchange = [&](ui::CDataExchange* dx) { ui::DDX_Text(dx, IDC_FIRST_EDIT, text); };
        dialog.user = {[&, step = cancel](TestDialog& d) {
            Type(d.m_hWnd, IDC_FIRST_EDIT, KVR_WIDE("changed"));
            step(d);
        }};
        EXPECT_EQ(Run(dialog), IDCANCEL);
        EXPECT_EQ(dialog.cancelCalls, 1);
        EXPECT_EQ(dialog.okCalls, 0);
        EXPECT_EQ(dialog.saves, 0);
        EXPECT_EQ(text, WideString(KVR_WIDE("kept")));
    }

    // Escape cancels a dialog that has no Cancel button too.
    TestDialog bare(IDD_NO_BUTTONS);
    bare.user = {[](TestDialog& d) { PressKey(d.m_hWnd, VK_ESCAPE); }};
    EXPECT_EQ(Run(bare), IDCANCEL);
    EXPECT_EQ(bare.cancelCalls, 1);
}

TEST_F(DialogRun, EnterClicksTheDefaultOrTheFocusedPushButton) {
    // From an edit box: the template's default push button, OK.
    WideString text;
    TestDialog edits(IDD_EDITS);
    edits.exchange = [&](ui::CDataExchange* dx) { ui::DDX_Text(dx, IDC_FIRST_EDIT, text); };
    edits.user = {[](TestDialog& d) {
        Type(d.m_hWnd, IDC_FIRST_EDIT, KVR_WIDE("entered"));
        PressKey(d.m_hWnd, VK_RETURN);
    }};
    EXPECT_EQ(Run(edits), IDOK);
    EXPECT_EQ(edits.okCalls, 1);
    EXPECT_EQ(text, WideString(KVR_WIDE("entered")));

    // A default button other than OK gets its own command; a push button that
    // has the focus takes Enter while it has it.
    TestDialog apply(IDD_DEFAULT_APPLY);
    apply.user = {[](TestDialog& d) {
        HWND w = d.m_hWnd;
        EXPECT_EQ(FocusId(w), IDC_FIRST_EDIT);
        PressKey(w, VK_RETURN);
        EXPECT_EQ(d.clicks, Ids{IDC_APPLY});
        EXPECT_FALSE(d.HasEnded());
        PressKey(w, VK_TAB);
        PressKey(w, VK_TAB);
        EXPECT_EQ(FocusId(w), IDCANCEL);
        PressKey(w, VK_RETURN);
    }};
    EXPECT_EQ(Run(apply), IDCANCEL);
    EXPECT_EQ(apply.clicks, Ids{IDC_APPLY});
    EXPECT_EQ(apply.cancelCalls, 1);

    // No default button at all: Enter is IDOK.
    TestDialog bare(IDD_NO_BUTTONS);
    bare.user = {[](TestDialog& d) { PressKey(d.m_hWnd, VK_RETURN); }};
    EXPECT_EQ(Run(bare), IDOK);
    EXPECT_EQ(bare.okCalls, 1);
    EXPECT_EQ(bare.saves, 1);
}

TEST_F(DialogRun, InitDialogReturningFalseKeepsTheFocusItSet) {
    TestDialog defaultFocus(IDD_EDITS), ownFocus(IDD_EDITS);
    ownFocus.setsOwnFocus = true;
    ownFocus.afterInit = [](TestDialog& d) {
        SendMessageW(d.m_hWnd, WM_NEXTDLGCTL,
                     reinterpret_cast<WPARAM>(GetDlgItem(d.m_hWnd, IDC_SECOND_EDIT)), TRUE);
    };
    int focusAtStart[2] = {-1, -1};
    int index = 0;
    for (TestDialog* dialog : {&defaultFocus, &ownFocus}) {
        dialog->user = {[&focusAtStart, index](TestDialog& d) {
            focusAtStart[index] = FocusId(d.m_hWnd);
            d.EndDialog(IDCANCEL);
        }};
        EXPECT_EQ(Run(*dialog), IDCANCEL);
        ++index;
    }
    EXPECT_EQ(focusAtStart[0], IDC_FIRST_EDIT);
    EXPECT_EQ(focusAtStart[1], IDC_SECOND_EDIT);
}

// A template at the origin without DS_CENTER is centred over the owner, here
// the screen; any other stays where its template puts it.
TEST_F(DialogRun, ATemplateAtTheOriginIsCentred) {
    RECT centred{}, placed{};
    POINT placedClient{0, 0};
    RECT placedUnits{40, 40, 0, 0};  // IDD_EDITS: far enough from the edges to keep its place
    TestDialog atOrigin(IDD_NO_BUTTONS), elsewhere(IDD_EDITS);
    atOrigin.user = {[&](TestDialog& d) {
        GetWindowRect(d.m_hWnd, &centred);
        d.EndDialog(IDCANCEL);
    }};
    elsewhere.user = {[&](TestDialog& d) {
        GetWindowRect(d.m_hWnd, &placed);
        ClientToScreen(d.m_hWnd, &placedClient);
        MapDialogRect(d.m_hWnd, &placedUnits);
        d.EndDialog(IDCANCEL);
    }};
    EXPECT_EQ(Run(atOrigin), IDCANCEL);
    EXPECT_EQ(Run(elsewhere), IDCANCEL);
    const int screenX = GetSystemMetrics(SM_CXSCREEN), screenY = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(centred.left + centred.right, screenX, 1);
    EXPECT_NEAR(centred.top + centred.bottom, screenY, 1);
    EXPECT_EQ(placedClient.x, placedUnits.left);
    EXPECT_EQ(placedClient.y, placedUnits.top);
}

TEST_F(DialogRun, AMissingTemplateShowsNothingAndReturnsMinusOne) {
    TestDialog missing(IDD_MISSING);
    missing.user = {[](TestDialog& d) { d.EndDialog(IDOK); }};
    EXPECT_EQ(Run(missing), -1);
    EXPECT_EQ(missing.shownWindow, nullptr);
    EXPECT_EQ(missing.loads, 0);

    // Outside a resource scope the templates are looked up in the host's
    // executable.
    TestDialog outside(IDD_EDITS);
    outside.user = {[](TestDialog& d) { d.EndDialog(IDOK); }};
    EXPECT_EQ(ui::ResourceScope::Depth(), 0);
#if defined(_WIN32)
    // Here the host is this test program, which holds the template.
    EXPECT_EQ(outside.DoModal(), IDOK);
    EXPECT_NE(outside.shownWindow, nullptr);
#else
    // The headless host has no resources.
    EXPECT_EQ(outside.DoModal(), -1);
    EXPECT_EQ(outside.shownWindow, nullptr);
#endif
}

}  // namespace
}  // namespace kvr::framework_test
