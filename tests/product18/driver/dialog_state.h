// What the person at the screen sees of a dialog of another process: its
// caption and, for each child control, its text, check mark, whether it is
// enabled and visible, which control has the keyboard focus and the
// selection of an edit box. Read with cross-process window messages only, so
// that reading never changes what the dialog does.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// The state as one JSON object:
// {"caption":..., "foreground": whether it is the active window of the
//  screen, "focus": id or null, "controls":[{"id", "class", "text",
//  "checked" (check boxes and radio buttons; null for others), "enabled",
//  "visible", "selection" ([start, end] for edit boxes, else null)}, ...]}
std::string DialogStateJson(HWND dialog);

// The window's text (caption or control text), read with WM_GETTEXT.
std::wstring WindowText(HWND window);

// The id of the control that has the keyboard focus in the dialog's thread,
// 0 when none of its controls has it.
int FocusedControl(HWND dialog);

}  // namespace driver
