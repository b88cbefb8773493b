// A C++ exception thrown while a dialog runs (by a handler, the data exchange
// or OnInitDialog) ends the modal loop; DoModal rethrows it once the window
// is gone, and the framework is ready for the next dialog.
#include <stdexcept>
#include <string>

#include "framework/resource_scope.h"
#include "test_dialog.h"
#include "user_input.h"

namespace kvr::framework_test {
namespace {

using DialogExceptions = FrameworkTest;

struct HandlerFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Runs the dialog and returns the message of the HandlerFailure DoModal threw
// (empty when it returned), checking that the window was gone by then.
std::string RunExpectingFailure(TestDialog& dialog, HWND& window) {
    try {
        ui::ResourceScope scope;
        INT_PTR result = dialog.DoModal();
        ADD_FAILURE() << "DoModal returned " << result << " instead of throwing";
        return {};
    } catch (const HandlerFailure& failure) {
        EXPECT_NE(window, nullptr);
        EXPECT_FALSE(IsWindow(window)) << "the dialog window outlived the modal run";
        EXPECT_EQ(dialog.m_hWnd, nullptr);
        EXPECT_EQ(ui::ResourceScope::Depth(), 0);
        return failure.what();
    }
}

TEST_F(DialogExceptions, AnExceptionFromAHandlerOrTheExchangeIsRethrownByDoModal) {
    struct Case {
        const char* name;
        int button;  // what the user clicks
        bool exchangeThrows;
    };
    for (const Case& c :
         {Case{"command handler", IDC_APPLY, false}, Case{"exchange in OnOK", IDOK, true}}) {
        SCOPED_TRACE(c.name);
        HWND window = nullptr;
        bool laterStepRan = false;
        TestDialog dialog(IDD_EDITS);
        dialog.onApply = [](TestDialog&) { throw HandlerFailure("apply failed"); };
        dialog.exchange = [&](ui::CDataExchange* dx) {
            if (dx->m_bSaveAndValidate && c.exchangeThrows) {
                throw HandlerFailure("exchange failed");
            }
        };
        dialog.user = {[&](TestDialog& d) {
                           window = d.m_hWnd;
                           Click(window, c.button);
                           // Back from the click: the loop is told to end.
                           EXPECT_TRUE(d.HasEnded());
                       },
                       [&](TestDialog&) { laterStepRan = true; }};
        EXPECT_EQ(RunExpectingFailure(dialog, window),
                  c.exchangeThrows ? "exchange failed" : "apply failed");
        EXPECT_FALSE(laterStepRan);
        EXPECT_EQ(dialog.okCalls, c.exchangeThrows ? 1 : 0);
    }

    // Nothing is left half done: the next dialog runs as usual, exchange
    // included.
    text::WideString text;
    TestDialog next(IDD_EDITS);
    next.exchange = [&](ui::CDataExchange* dx) { ui::DDX_Text(dx, IDC_FIRST_EDIT, text); };
    next.user = {[](TestDialog& d) {
        Type(d.m_hWnd, IDC_FIRST_EDIT, KVR_WIDE("fine"));
        Click(d.m_hWnd, IDOK);
    }};
    EXPECT_EQ(Run(next), IDOK);
    EXPECT_EQ(text, text::WideString(KVR_WIDE("fine")));
}

TEST_F(DialogExceptions, AnExceptionFromOnInitDialogEndsTheDialogBeforeItIsShown) {
    HWND window = nullptr;
    TestDialog dialog(IDD_EDITS);
    dialog.afterInit = [&](TestDialog& d) {
        window = d.m_hWnd;
        throw HandlerFailure("init failed");
    };
    dialog.user = {[](TestDialog& d) { d.EndDialog(IDOK); }};
    EXPECT_EQ(RunExpectingFailure(dialog, window), "init failed");
    EXPECT_EQ(dialog.shownWindow, nullptr);
}

}  // namespace
}  // namespace kvr::framework_test
