// The standard controls the dialogs attach objects to.
#pragma once

#include "framework/wnd.h"

namespace kvr::ui {

class CStatic : public CWnd {
    KVR_DECLARE_DYNAMIC(CStatic)
};

class CButton : public CWnd {
    KVR_DECLARE_DYNAMIC(CButton)

public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
};

}  // namespace kvr::ui
