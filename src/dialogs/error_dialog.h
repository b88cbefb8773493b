// KVRGUIErrorDialog: a small modal box with a warning picture, the plug-in's
// message and OK.
#pragma once

#include "dialogs/error_dialog_texts.h"
#include "framework/dialog.h"
#include "resources/resource_ids.h"

namespace kvr::dialogs {

class KVRGUIErrorDialog : public ui::CDialog {
    KVR_DECLARE_DYNAMIC(KVRGUIErrorDialog)

public:
    static constexpr UINT IDD = IDD_KVRGUI_ERROR;

    KVRGUIErrorDialog();

    void TransferMessage(rb::Value message) { m_parts.texts.TransferMessage(message); }

    BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

private:
    ErrorDialogParts m_parts;
};

}  // namespace kvr::dialogs
