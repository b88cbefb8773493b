// KVRGUIAboutDialog: the About box with the banner, the product name, the
// version and build the plug-in defines, two links and the copyright line.
#pragma once

#include "dialogs/about_dialog_texts.h"
#include "dialogs/hlink_static.h"
#include "framework/dialog.h"
#include "resources/resource_ids.h"

namespace kvr::dialogs {

class KVRGUIAboutDialog : public ui::CDialog {
    KVR_DECLARE_DYNAMIC(KVRGUIAboutDialog)

public:
    static constexpr UINT IDD = IDD_KVRGUI_ABOUT;

    KVRGUIAboutDialog();

    BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;
    void OnOkClicked();

    KVR_DECLARE_COMMAND_MAP()

private:
    ui::CStatic m_versionLabel;
    ui::CStatic m_buildLabel;
    ui::CStatic m_productNameLabel;
    ui::CFont m_productNameFont;
    ui::CStatic m_copyrightLabel;
    KVRGUIHLinkStatic m_homeLink;
    KVRGUIHLinkStatic m_helpLink;
    text::WideString m_okCaption;
    AboutDialogTexts m_texts;
};

}  // namespace kvr::dialogs
