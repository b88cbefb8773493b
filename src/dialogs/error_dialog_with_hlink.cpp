#include "dialogs/error_dialog_with_hlink.h"

#include "strings/lookup.h"
#include "framework/data_exchange.h"

namespace kvr::dialogs {

using strings::Lookup;

KVR_IMPLEMENT_DYNAMIC(KVRGUIErrorDialogWithHLink, ui::CDialog)

KVRGUIErrorDialogWithHLink::KVRGUIErrorDialogWithHLink()
    : CDialog(IDD), m_sentence(Lookup(m_parts.texts.sentenceKey)) {}

void KVRGUIErrorDialogWithHLink::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Text(pDX, IDC_ERROR_HLINK_SENTENCE, m_sentence);
    ui::DDX_Text(pDX, IDOK, m_parts.okCaption);
    ui::DDX_Control(pDX, IDC_ERROR_HLINK_MESSAGE, m_parts.messageControl);
    ui::DDX_Control(pDX, IDC_ERROR_HLINK_LINK, m_link);
}

BOOL KVRGUIErrorDialogWithHLink::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(m_parts.title);
    m_link.m_address = Lookup(m_parts.texts.linkAddressKey);
    m_link.SetWindowText(Lookup(m_parts.texts.linkTextKey));
    m_parts.ShowMessage();
    return TRUE;
}

}  // namespace kvr::dialogs
