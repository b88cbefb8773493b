// A dialog of framework_test.rc run with DoModal, whose data exchange and user
// the test supplies, and the fixture that installs the user as the modal hook.
//
// The user is a list of steps. Step 0 runs inside the modal loop once the
// dialog is shown; step i+1 runs once the messages posted before it (a close
// box's Cancel, say) have been handled. A dialog that its last step leaves
// open is a test failure, and is ended with kLeftOpen.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework_test_ids.h"
#include "text/wide_string.h"

namespace kvr::framework_test {

class TestDialog : public ui::CDialog {
public:
    using Step = std::function<void(TestDialog&)>;
    static constexpr int kLeftOpen = -2;

    explicit TestDialog(UINT templateId) : CDialog(templateId) { ++live_; }
    ~TestDialog() override { --live_; }

    // Test dialogs alive now (for leak checks).
    static int LiveCount() { return live_; }

    std::vector<Step> user;
    std::function<void(ui::CDataExchange*)> exchange;
    // Runs in OnInitDialog after the base class's (which exchanges to the
    // controls).
    Step afterInit;
    // OnInitDialog returns FALSE: afterInit sets the focus itself.
    bool setsOwnFocus = false;
    // Runs when Apply is clicked, after the click is logged.
    Step onApply;

    // What the dialog saw: button clicks mapped in its command map, in order;
    // EN_CHANGE from IDC_FIRST_EDIT; OnOK and OnCancel calls; exchanges.
    std::vector<int> clicks;
    int firstEditChanges = 0;
    int okCalls = 0, cancelCalls = 0;
    int loads = 0, saves = 0;
    // The dialog window as step 0 saw it (null when no step ran).
    HWND shownWindow = nullptr;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

    // Whether the modal loop was told to end (by EndDialog or a failure): the
    // window system hides the dialog then.
    bool HasEnded() const;

    // The modal hook's work for this dialog.
    void RunUserStep(int stage);

private:
    static inline int live_ = 0;
    template <int Id>
    void OnClicked() {
        clicks.push_back(Id);
    }
    void OnApply();
    void OnFirstEditChange();

    KVR_DECLARE_COMMAND_MAP()
};

// Installs the modal hook for each test and checks that no dialog object (and,
// on the headless window system, no window, font or cursor copy) outlives it.
class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the dialog as the module's entry points do: inside a resource scope.
    static INT_PTR Run(TestDialog& dialog);

private:
    int liveDialogs_ = 0;
    int liveFonts_ = 0, liveCursors_ = 0;
};

}  // namespace kvr::framework_test
