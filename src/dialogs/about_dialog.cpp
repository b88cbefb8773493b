#include "dialogs/about_dialog.h"

#include "strings/lookup.h"
#include "framework/data_exchange.h"

namespace kvr::dialogs {

using strings::Lookup;

KVR_IMPLEMENT_DYNAMIC(KVRGUIAboutDialog, ui::CDialog)

KVR_BEGIN_COMMAND_MAP(KVRGUIAboutDialog)
KVR_ON_BN_CLICKED(IDC_ABOUT_OK, OnOkClicked)
KVR_END_COMMAND_MAP()

namespace {

// "label text": the looked-up label, a space, then the text read from Ruby,
// which is UTF-8 like every other text of the module.
text::WideString LabelLine(const char* labelKey, const std::string& value) {
    return Lookup(labelKey) + KVR_WIDE(" ") + text::utf8ToWide(value);
}

}  // namespace

KVRGUIAboutDialog::KVRGUIAboutDialog() : CDialog(IDD) {
    m_texts.ReadVersionAndBuild();
    m_okCaption = Lookup(m_texts.okKey);
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
    SetWindowText(Lookup(m_texts.titleKey));
    if (m_productNameFont.handle() != nullptr) {
        m_productNameLabel.SendMessage(WM_SETFONT,
                                       reinterpret_cast<WPARAM>(m_productNameFont.handle()), TRUE);
    }
    m_productNameLabel.SetWindowText(Lookup(m_texts.productNameKey));
    m_copyrightLabel.SetWindowText(Lookup(m_texts.copyrightKey));
    m_homeLink.m_address = Lookup(m_texts.homeLinkAddressKey);
    m_homeLink.SetWindowText(Lookup(m_texts.homeLinkTextKey));
    m_helpLink.m_address = Lookup(m_texts.helpLinkAddressKey);
    m_helpLink.SetWindowText(Lookup(m_texts.helpLinkTextKey));
    m_versionLabel.SetWindowText(LabelLine(m_texts.versionLabelKey, m_texts.versionText));
    m_buildLabel.SetWindowText(LabelLine(m_texts.buildLabelKey, m_texts.buildText));
    return TRUE;
}

void KVRGUIAboutDialog::OnOkClicked() {
    OnOK();
}

}  // namespace kvr::dialogs
