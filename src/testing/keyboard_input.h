// Keyboard input as the user gives it: keys go through the dialog manager
// (Tab, Shift+Tab, the arrows, Enter, Escape), characters to the control that
// has the focus.
#pragma once

#include "win_api/win_api.h"
#include "text/wide_string.h"

namespace kvr::testing {

// A key pressed while the dialog is active.
void PressKey(HWND dialog, int virtualKey);

// Tab with Shift held down: the dialog manager reads the key state.
void PressShiftTab(HWND dialog);

// The space bar on the focused control: key down, its character, key up, as
// the message loop delivers them (a button is clicked on the key's release).
void PressSpace(HWND dialog);

// Characters typed into a control, one WM_CHAR each.
void TypeCharacters(HWND control, text::WideView characters);

}  // namespace kvr::testing
