// Data exchange between a dialog's controls and its members.
#pragma once

#include "win_api/win_api.h"
#include "text/wide_string.h"

namespace kvr::ui {

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
};

// Window text. Writing sets the text only when it differs, so that equal text
// causes no WM_SETTEXT and no change notification.
void DDX_Text(CDataExchange* pDX, int id, text::WideString& value);

// A radio button group, given its first control: the radio buttons from it up
// to the next control that starts a group (other controls are skipped without
// ending it). Reading gives the index of the checked one, -1 for none; writing
// checks the one at the index and clears the rest (any other value clears all).
void DDX_Radio(CDataExchange* pDX, int id, int& value);

// Attaches a control object to its dialog control, once.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

}  // namespace kvr::ui
