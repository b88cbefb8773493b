#include "dialogs/error_dialog_with_hlink.h"

#include "dialogs/lookup.h"
#include "framework/data_exchange.h"

namespace kvr::dialogs {

KVR_IMPLEMENT_DYNAMIC(KVRGUIErrorDialogWithHLink, ui::CDialog)

KVRGUIErrorDialogWithHLink::KVRGUIErrorDialogWithHLink() : CDialog(IDD) {
    CreateMessageFont(m_messageFont);
    m_title = Lookup(m_texts.titleKey);
    m_okCaption = Lookup(m_texts.okKey);
    m_sentence = Lookup(m_texts.sentenceKey);
}

void KVRGUIErrorDialogWithHLink::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Text(pDX, IDC_ERROR_HLINK_SENTENCE, m_sentence);
    ui::DDX_Text(pDX, IDOK, m_okCaption);
    ui::DDX_Control(pDX, IDC_ERROR_HLINK_MESSAGE, m_messageControl);
    ui::DDX_Control(pDX, IDC_ERROR_HLINK_LINK, m_link);
}

BOOL KVRGUIErrorDialogWithHLink::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(m_title);
    m_link.m_address = Lookup(m_texts.linkAddressKey);
    m_link.SetWindowText(Lookup(m_texts.linkTextKey));
    ShowMessage(m_messageControl, m_messageFont, m_texts);
    return TRUE;
}

}  // namespace kvr::dialogs
