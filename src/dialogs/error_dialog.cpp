#include "dialogs/error_dialog.h"

#include "framework/data_exchange.h"

namespace kvr::dialogs {

KVR_IMPLEMENT_DYNAMIC(KVRGUIErrorDialog, ui::CDialog)

KVRGUIErrorDialog::KVRGUIErrorDialog() : CDialog(IDD) {}

void KVRGUIErrorDialog::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_ERROR_MESSAGE, m_parts.messageControl);
    ui::DDX_Text(pDX, IDOK, m_parts.okCaption);
}

BOOL KVRGUIErrorDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(m_parts.title);
    m_parts.ShowMessage();
    return TRUE;
}

}  // namespace kvr::dialogs
