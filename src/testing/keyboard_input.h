// Keyboard input as the user gives it: keys go through the dialog manager
// (Tab, Enter, Escape), characters to the control that has the focus.
#pragma once

#include "framework/win_api.h"
#include "text/wide_string.h"

namespace kvr::testing {

// A key pressed while the dialog is active.
void PressKey(HWND dialog, int virtualKey);

// Characters typed into a control, one WM_CHAR each.
void TypeCharacters(HWND control, text::WideView characters);

}  // namespace kvr::testing
