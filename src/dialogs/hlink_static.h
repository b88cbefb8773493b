// KVRGUIHLinkStatic: a static text control that behaves as a web link. It draws
// its window text underlined and blue, centred at the top of its rectangle,
// shows a hand cursor while the mouse is over it, and asks the shell to open
// its address when the left button is released over it. The template's
// static must carry SS_NOTIFY, or the control sees neither clicks nor cursor
// requests.
#pragma once

#include "framework/controls.h"
#include "framework/cursor.h"
#include "framework/font.h"
#include "text/wide_string.h"

namespace kvr::dialogs {

class KVRGUIHLinkStatic : public ui::CStatic {
public:
    KVRGUIHLinkStatic();
    ~KVRGUIHLinkStatic() override;

    // The target the next click opens; the owner assigns it.
    text::WideString m_address;

    void OnPaint();
    void OnLButtonUp(UINT flags, POINT point);
    BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);

protected:
    void PreSubclassWindow() override;
    KVR_DECLARE_MESSAGE_MAP()

private:
    ui::OwnedCursor m_handCursor;
    ui::CFont m_linkFont;
};

}  // namespace kvr::dialogs
