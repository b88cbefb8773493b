#include "framework/dialog.h"

#include <optional>

#include "framework/data_exchange.h"
#include "res/dialog_template.h"
#include "framework/modal_hook.h"
#include "framework/resource_scope.h"

namespace kvr::ui {

namespace {

// Posted after WM_INITDIALOG when a modal hook is installed; handled once the
// modal loop runs.
constexpr UINT kShownMessage = WM_APP + 0x4B56;

LPARAM modalRuns = 0;

// Marks a data exchange as running for its lifetime, also when it throws.
class ExchangeFlag {
public:
    explicit ExchangeFlag(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~ExchangeFlag() { flag_ = previous_; }
    ExchangeFlag(const ExchangeFlag&) = delete;
    ExchangeFlag& operator=(const ExchangeFlag&) = delete;

private:
    bool& flag_;
    bool previous_;
};

HWND DefaultOwner() {
#if defined(_WIN32)
    // Like the platform framework: a dialog without a parent is owned by the
    // active top-level window (the host's), which it disables while it runs.
    HWND active = GetActiveWindow();
    return active != nullptr ? GetAncestor(active, GA_ROOT) : nullptr;
#else
    return nullptr;
#endif
}

}  // namespace

const CRuntimeClass* CDialog::RuntimeClassOf() {
    static const CRuntimeClass info{"CDialog", CWnd::RuntimeClassOf()};
    return &info;
}

const CRuntimeClass* CDialog::GetRuntimeClass() const {
    return RuntimeClassOf();
}

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() {
    if (m_hWnd != nullptr && IsWindow(m_hWnd)) {
        SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
        DestroyWindow(m_hWnd);
    }
    m_hWnd = nullptr;
}

INT_PTR CDialog::DoModal() {
    HINSTANCE module = CurrentResourceModule();
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(templateId_), RT_DIALOG);
    HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return -1;
    }
    std::optional<DialogTemplate> parsed =
        parseDialogTemplate(bytes, SizeofResource(module, resource));
    centreAfterInit_ = parsed && parsed->x == 0 && parsed->y == 0 && !(parsed->style & DS_CENTER);

    owner_ = parent_ != nullptr ? parent_->m_hWnd : DefaultOwner();
    pending_ = nullptr;
    run_ = ++modalRuns;
    INT_PTR result = DialogBoxIndirectParamW(module, static_cast<LPCDLGTEMPLATEW>(bytes), owner_,
                                             &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    if (pending_) {
        std::exception_ptr error = pending_;
        pending_ = nullptr;
        std::rethrow_exception(error);
    }
    return result;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    ExchangeFlag flag(exchanging_);
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::EndDialog(int result) {
    if (m_hWnd != nullptr) {
        ::EndDialog(m_hWnd, result);
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

CDialog* CDialog::FromDialogHandle(HWND window) {
    if (window == nullptr || GetWindowLongPtrW(window, DWLP_DLGPROC) !=
                                 reinterpret_cast<LONG_PTR>(&CDialog::DialogProc)) {
        return nullptr;
    }
    return reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
}

void CDialog::AbortModalLoop(HWND window, std::exception_ptr error) {
    for (HWND w = window; w != nullptr; w = GetParent(w)) {
        if (CDialog* dialog = FromDialogHandle(w)) {
            dialog->Abort(error);
            return;
        }
    }
}

void CDialog::Abort(std::exception_ptr error) {
    if (!pending_) {
        pending_ = error;
    }
    if (m_hWnd != nullptr) {
        ::EndDialog(m_hWnd, -1);
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        dialog->m_hWnd = window;
    }
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        self->m_hWnd = nullptr;
        return FALSE;
    }
    // Once a handler failed, the dialog only closes: nothing more runs.
    if (self->pending_) {
        return FALSE;
    }
    try {
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        self->Abort(std::current_exception());
        return TRUE;
    }
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            BOOL result = OnInitDialog();
            if (centreAfterInit_) {
                CentreOverOwner(owner_);
            }
            if (CurrentModalHook() != nullptr) {
                PostHookStage(0);
            }
            return result;
        }
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case kShownMessage:
            OnShown(static_cast<int>(wParam), lParam);
            return TRUE;
        default:
            return FALSE;
    }
}

void CDialog::OnCommand(int id, WORD code) {
    // Notifications caused by writing to the controls are not the user's.
    if (exchanging_) {
        return;
    }
    if (const CommandMapEntry* entry = GetCommandMap()) {
        for (; entry->handler != nullptr; ++entry) {
            if (entry->id == id && entry->code == code) {
                (this->*entry->handler)();
                return;
            }
        }
    }
    if (code == BN_CLICKED && id == IDOK) {
        OnOK();
    } else if (code == BN_CLICKED && id == IDCANCEL) {
        OnCancel();
    }
}

void CDialog::PostHookStage(int stage) {
    if (m_hWnd != nullptr) {
        PostMessageW(m_hWnd, kShownMessage, static_cast<WPARAM>(stage), run_);
    }
}

void CDialog::OnShown(int stage, LPARAM run) {
    // A message left over from an earlier dialog that had the same handle.
    if (run != run_) {
        return;
    }
    // The dialog manager shows a dialog without WS_VISIBLE only once its queue
    // runs empty; show it now so that the hook sees it as the user would.
    if (!IsWindowVisible(m_hWnd)) {
        ShowWindow(m_hWnd, SW_SHOWNORMAL);
        UpdateWindow(m_hWnd);
    }
    if (ModalHook hook = CurrentModalHook()) {
        hook(*this, stage);
    }
}

void CDialog::CentreOverOwner(HWND owner) {
    RECT dialog{}, area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    GetWindowRect(m_hWnd, &dialog);
    if (owner != nullptr) {
        GetWindowRect(owner, &area);
    }
    int width = dialog.right - dialog.left, height = dialog.bottom - dialog.top;
    int x = area.left + ((area.right - area.left) - width) / 2;
    int y = area.top + ((area.bottom - area.top) - height) / 2;
    SetWindowPos(m_hWnd, nullptr, x < 0 ? 0 : x, y < 0 ? 0 : y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace kvr::ui
