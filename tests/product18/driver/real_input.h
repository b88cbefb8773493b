// Input as the person at the screen gives it: mouse and keyboard events
// through SendInput, which the window system queues as hardware input and
// routes like a real device's (to the window under the pointer, to the
// focused control of the foreground window, through the dialog manager's
// keyboard handling). Nothing is sent to a control directly.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// Moves the pointer to a screen point, presses and releases the left button.
void ClickAt(POINT screen);

// The centre of a control, in screen coordinates.
POINT ControlCentre(HWND control);

// The centre of the dialog's close box, found by asking the window where its
// parts are (WM_NCHITTEST along the caption bar); false when there is none.
bool CloseBoxCentre(HWND dialog, POINT& screen);

// A point of the dialog's caption bar where a click activates the dialog
// and does nothing else; false when there is none.
bool CaptionPoint(HWND dialog, POINT& screen);

// A key by name, with modifiers joined by '+': "tab", "shift+tab", "space",
// "enter", "esc", "left", "right", "up", "down", "home", "end", "backspace",
// "delete", "ctrl+a". False for a name it does not know.
bool PressKey(const std::string& name);

// Characters as typed on a keyboard that has them (Unicode key events).
void TypeText(const std::wstring& text);

}  // namespace driver
