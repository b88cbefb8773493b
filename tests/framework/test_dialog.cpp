#include "test_dialog.h"

#include "framework/modal_hook.h"
#include "framework/resource_scope.h"
#include "testing/dialog_state.h"

#if !defined(_WIN32)
#include "headless/headless.h"
#endif

namespace kvr::framework_test {

namespace {

void UserHook(ui::CDialog& dialog, int stage) {
    if (auto* test = dynamic_cast<TestDialog*>(&dialog)) {
        test->RunUserStep(stage);
    }
}

}  // namespace

// An edit box notification (the framework's own entries are for clicks).
#define KVR_TEST_ON_EN_CHANGE(id, handler) \
    {id, EN_CHANGE, static_cast<void (::kvr::ui::CDialog::*)()>(&ThisClass::handler)},

KVR_BEGIN_COMMAND_MAP(TestDialog)
KVR_ON_BN_CLICKED(IDC_ONE, OnClicked<IDC_ONE>)
KVR_ON_BN_CLICKED(IDC_TWO, OnClicked<IDC_TWO>)
KVR_ON_BN_CLICKED(IDC_DISABLED_RADIO, OnClicked<IDC_DISABLED_RADIO>)
KVR_ON_BN_CLICKED(IDC_FIVE, OnClicked<IDC_FIVE>)
KVR_ON_BN_CLICKED(IDC_LEFT, OnClicked<IDC_LEFT>)
KVR_ON_BN_CLICKED(IDC_RIGHT, OnClicked<IDC_RIGHT>)
KVR_ON_BN_CLICKED(IDC_UP, OnClicked<IDC_UP>)
KVR_ON_BN_CLICKED(IDC_CHECK, OnClicked<IDC_CHECK>)
KVR_ON_BN_CLICKED(IDC_DISABLED_CHECK, OnClicked<IDC_DISABLED_CHECK>)
KVR_ON_BN_CLICKED(IDC_THREE_STATE, OnClicked<IDC_THREE_STATE>)
KVR_ON_BN_CLICKED(IDC_BOUND_CHECK, OnClicked<IDC_BOUND_CHECK>)
KVR_ON_BN_CLICKED(IDC_APPLY, OnApply)
KVR_TEST_ON_EN_CHANGE(IDC_FIRST_EDIT, OnFirstEditChange)
KVR_END_COMMAND_MAP()

BOOL TestDialog::OnInitDialog() {
    BOOL result = CDialog::OnInitDialog();
    if (afterInit) {
        afterInit(*this);
    }
    return setsOwnFocus ? FALSE : result;
}

void TestDialog::OnOK() {
    ++okCalls;
    CDialog::OnOK();
}

void TestDialog::OnCancel() {
    ++cancelCalls;
    CDialog::OnCancel();
}

void TestDialog::DoDataExchange(ui::CDataExchange* pDX) {
    ++(pDX->m_bSaveAndValidate ? saves : loads);
    if (exchange) {
        exchange(pDX);
    }
}

void TestDialog::OnApply() {
    clicks.push_back(IDC_APPLY);
    if (onApply) {
        onApply(*this);
    }
}

void TestDialog::OnFirstEditChange() {
    ++firstEditChanges;
}

bool TestDialog::HasEnded() const {
    return testing::DialogHasEnded(m_hWnd);
}

void TestDialog::RunUserStep(int stage) {
    if (stage == 0) {
        shownWindow = m_hWnd;
    }
    if (stage < static_cast<int>(user.size())) {
        user[static_cast<std::size_t>(stage)](*this);
    } else if (!HasEnded()) {
        ADD_FAILURE() << "the user's steps left the dialog " << templateId() << " open";
        EndDialog(kLeftOpen);
    }
    if (!HasEnded()) {
        PostHookStage(stage + 1);
    }
}

void FrameworkTest::SetUp() {
    ui::SetModalHook(&UserHook);
    liveDialogs_ = TestDialog::LiveCount();
#if !defined(_WIN32)
    liveFonts_ = kvrHeadlessLiveFonts();
    liveCursors_ = kvrHeadlessLiveCursors();
#endif
}

void FrameworkTest::TearDown() {
    ui::SetModalHook(nullptr);
    EXPECT_EQ(TestDialog::LiveCount(), liveDialogs_) << "dialog objects outlived the test";
    EXPECT_EQ(ui::ResourceScope::Depth(), 0);
#if !defined(_WIN32)
    EXPECT_EQ(kvrHeadlessLiveWindows(), 0) << "windows outlived their dialog";
    EXPECT_EQ(kvrHeadlessLiveFonts(), liveFonts_) << "fonts outlived their owners";
    EXPECT_EQ(kvrHeadlessLiveCursors(), liveCursors_) << "cursor copies outlived their owners";
#endif
}

INT_PTR FrameworkTest::Run(TestDialog& dialog) {
    ui::ResourceScope scope;
    return dialog.DoModal();
}

}  // namespace kvr::framework_test
