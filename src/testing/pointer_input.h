// Mouse input as the window system delivers it: to the window under the
// point, passing over hidden and disabled controls and over controls that are
// transparent to the mouse (statics without SS_NOTIFY), to the one that
// captured the mouse while a button is held.
#pragma once

#include "win_api/win_api.h"

namespace kvr::testing {

struct PointerTarget {
    HWND window;
    POINT client;  // the point in the target's client coordinates
};

// The centre of a control, in the dialog's client coordinates.
POINT ControlCentre(HWND dialog, HWND control);

// The window that receives mouse input at a point of the dialog's client area.
PointerTarget WindowUnderPoint(HWND dialog, POINT dialogClientPoint);

// Press at one point, release at another (the same point for a click).
void PressAndRelease(HWND dialog, POINT press, POINT release);

// Asks the window under the point which cursor it shows; returns it.
HCURSOR CursorAtPoint(HWND dialog, POINT dialogClientPoint);

}  // namespace kvr::testing
