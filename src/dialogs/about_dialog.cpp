#include "dialogs/about_dialog.h"

#include "strings/lookup.h"
#include "framework/data_exchange.h"

namespace kvr::dialogs {

using strings::lookup;

KVR_IMPLEMENT_DYNAMIC(KVRGUIAboutDialog, ui::CDialog)

KVR_BEGIN_COMMAND_MAP(KVRGUIAboutDialog)
KVR_ON_BN_CLICKED(IDC_ABOUT_OK, OnOkClicked)
KVR_END_COMMAND_MAP()

namespace {

// "label text": the looked-up label, a space, then the text read from Ruby,
// which is UTF-8 like every other text of the module.
text::WideString LabelLine(const char* labelKey, const std::string& value) {
    return lookup(labelKey) + KVR_WIDE(" ") + text::utf8ToWide(value);
}

}  // namespace

KVRGUIAboutDialog::KVRGUIAboutDialog() : CDialog(IDD) {
    m_texts.ReadVersionAndBuild();
    m_okCaption = lookup(m_texts.okKey);
    // The weight is twice the documented maximum: the font renders as heavy
    // as the system allows.
    m_productNameFont.CreateFont(30, 0, 0, 0, 2000, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                                 KVR_WIDE("Arial"));
}

void KVRGUIAboutDialog::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_ABOUT_VERSION, m_versionLabel);
    ui::DDX_Control(pDX, IDC_ABOUT_PRODUCT_NAME, m_productNameLabel);
    ui::DDX_Control(pDX, IDC_ABOUT_BUILD, m_buildLabel);
    ui::DDX_Control(pDX, IDC_ABOUT_COPYRIGHT, m_copyrightLabel);
    ui::DDX_Control(pDX, IDC_ABOUT_HOME_LINK, m_homeLink);
    ui::DDX_Control(pDX, IDC_ABOUT_HELP_LINK, m_helpLink);
    ui::DDX_Text(pDX, IDC_ABOUT_OK, m_okCaption);
}

BOOL KVRGUIAboutDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(lookup(m_texts.titleKey));
    if (m_productNameFont.handle() != nullptr) {
        m_productNameLabel.SendMessage(WM_SETFONT,
                                       reinterpret_cast<WPARAM>(m_productNameFont.handle()), TRUE);
    }
    m_productNameLabel.SetWindowText(lookup(m_texts.productNameKey));
    m_copyrightLabel.SetWindowText(lookup(m_texts.copyrightKey));
    m_homeLink.m_address = lookup(m_texts.homeLinkAddressKey);
    m_homeLink.SetWindowText(lookup(m_texts.homeLinkTextKey));
    m_helpLink.m_address = lookup(m_texts.helpLinkAddressKey);
    m_helpLink.SetWindowText(lookup(m_texts.helpLinkTextKey));
    m_versionLabel.SetWindowText(LabelLine(m_texts.versionLabelKey, m_texts.versionText));
    m_buildLabel.SetWindowText(LabelLine(m_texts.buildLabelKey, m_texts.buildText));
    return TRUE;
}

void KVRGUIAboutDialog::OnOkClicked() {
    OnOK();
}

}  // namespace kvr::dialogs
