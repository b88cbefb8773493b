#include "dialogs/error_dialog.h"

#include "dialogs/lookup.h"
#include "framework/data_exchange.h"

namespace kvr::dialogs {

KVR_IMPLEMENT_DYNAMIC(KVRGUIErrorDialog, ui::CDialog)

KVRGUIErrorDialog::KVRGUIErrorDialog() : CDialog(IDD) {
    CreateMessageFont(m_messageFont);
    m_title = Lookup(m_texts.titleKey);
    m_okCaption = Lookup(m_texts.okKey);
}

void KVRGUIErrorDialog::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_ERROR_MESSAGE, m_messageControl);
    ui::DDX_Text(pDX, IDOK, m_okCaption);
}

BOOL KVRGUIErrorDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(m_title);
    ShowMessage(m_messageControl, m_messageFont, m_texts);
    return TRUE;
}

}  // namespace kvr::dialogs
