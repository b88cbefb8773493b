// KVRGUIErrorDialogWithHLink: the error box with a separator, a sentence and a
// link to the product forum below the message.
#pragma once

#include "dialogs/error_dialog_texts.h"
#include "dialogs/hlink_static.h"
#include "framework/dialog.h"
#include "resources/resource_ids.h"

namespace kvr::dialogs {

class KVRGUIErrorDialogWithHLink : public ui::CDialog {
    KVR_DECLARE_DYNAMIC(KVRGUIErrorDialogWithHLink)

public:
    static constexpr UINT IDD = IDD_KVRGUI_ERROR_HLINK;

    KVRGUIErrorDialogWithHLink();

    void TransferMessage(rb::Value message) { m_parts.texts.TransferMessage(message); }

    BOOL OnInitDialog() override;
    void DoDataExchange(ui::CDataExchange* pDX) override;

private:
    ErrorDialogParts m_parts;
    KVRGUIHLinkStatic m_link;
    text::WideString m_sentence;
};

}  // namespace kvr::dialogs
