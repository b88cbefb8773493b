// CDialog: a modal dialog built on a dialog template of the module's
// resources. Derived dialogs override OnInitDialog and DoDataExchange and map
// button clicks to handlers with a command map.
//
// Exceptions: a C++ exception thrown by a handler (a Ruby exception carried as
// one included) must not unwind through the window system's frames. The
// dialog catches it at its dispatch boundary, ends the modal loop, and
// DoModal rethrows it once the window is gone.
#pragma once

#include <exception>

#include "framework/wnd.h"

namespace kvr::ui {

class CDialog;
class CDataExchange;

// One entry of a dialog's command map: a control id, a notification code and
// the handler. The map ends with an entry whose handler is null.
struct CommandMapEntry {
    int id;
    WORD code;
    void (CDialog::*handler)();
};

class CDialog : public CWnd {
public:
    static const CRuntimeClass* RuntimeClassOf();
    const CRuntimeClass* GetRuntimeClass() const override;

    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    UINT templateId() const { return templateId_; }

    // Finds the template in the current resource module, shows the dialog
    // and runs its modal loop. Returns the end code, or -1 when the template
    // is not found (nothing is shown). Rethrows an exception a handler threw.
    INT_PTR DoModal();

    // Exchanges data between the controls and the members: from the controls
    // when saveAndValidate is TRUE, to them otherwise.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    // Runs the modal hook again at the given stage, once the messages posted
    // before this call have been handled.
    void PostHookStage(int stage);

    // Ends the modal loop of the dialog that owns the given window (the
    // dialog itself or one of its controls) because of an exception; DoModal
    // rethrows it.
    static void AbortModalLoop(HWND window, std::exception_ptr error);

    // The dialog object of a dialog window run by this framework, or null.
    static CDialog* FromDialogHandle(HWND window);

protected:
    virtual const CommandMapEntry* GetCommandMap() const { return nullptr; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, WORD code);
    void OnShown(int stage, LPARAM run);
    void CentreOverOwner(HWND owner);
    void Abort(std::exception_ptr error);

    UINT templateId_;
    CWnd* parent_;
    HWND owner_ = nullptr;
    bool centreAfterInit_ = false;
    bool exchanging_ = false;
    LPARAM run_ = 0;  // tells this modal run's hook messages from stale ones
    std::exception_ptr pending_;
};

}  // namespace kvr::ui

// Command maps. In the class body:
#define KVR_DECLARE_COMMAND_MAP() \
protected:                        \
    const ::kvr::ui::CommandMapEntry* GetCommandMap() const override;

#define KVR_BEGIN_COMMAND_MAP(Class)                                 \
    const ::kvr::ui::CommandMapEntry* Class::GetCommandMap() const { \
        using ThisClass = Class;                                     \
        static const ::kvr::ui::CommandMapEntry entries[] = {
#define KVR_ON_BN_CLICKED(id, handler) \
    {id, BN_CLICKED, static_cast<void (::kvr::ui::CDialog::*)()>(&ThisClass::handler)},
#define KVR_END_COMMAND_MAP() \
    { 0, 0, nullptr }         \
    }                         \
    ;                         \
    return entries;           \
    }
