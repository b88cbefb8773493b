// The dialog manager's internal operations shared by the dialog procedure,
// the keyboard handling and the modal loop.
#pragma once

#include "win_api/user32.h"

namespace kvr::headless {

// Gives a control the focus, selecting all of its text when it takes selections.
void setDialogFocus(HWND control);

// Makes `focused` the default button if it is a push button; otherwise gives
// the default look back to the dialog's default id.
void setDefaultButton(HWND dialog, HWND focused);

// Makes the button with `id` the dialog's default (DM_SETDEFID).
void setDefaultId(HWND dialog, int id);

// The first push button that has the default style, or null.
HWND findDefaultButton(HWND dialog);

// Restores the focus a dialog last had, or gives it to its first tab stop.
void restoreDialogFocus(HWND dialog);

}  // namespace kvr::headless
