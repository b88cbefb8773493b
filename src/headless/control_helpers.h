// Small helpers the control classes share.
#pragma once

#include "win_api/user32.h"

namespace kvr::headless {

// Sends WM_COMMAND(MAKEWPARAM(id, code), control) to the control's parent.
void notifyParent(HWND control, WORD code);

// Begins painting with the control's font selected.
HDC beginControlPaint(HWND control, PAINTSTRUCT& paint);

// Whether a client point lies inside the window's client area.
bool insideClient(HWND window, LPARAM point);

}  // namespace kvr::headless
