// Focus and mouse capture.
#pragma once

#include "win_api/user32.h"

namespace kvr::headless {

// Moves the focus out of a window and its descendants (to `fallback`, when
// that can take it, else to nobody) and releases a capture held there.
void leaveSubtree(HWND root, HWND fallback);

}  // namespace kvr::headless
