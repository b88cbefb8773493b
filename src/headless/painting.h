// Invalidation and the paint pass of the headless window system.
#pragma once

#include "win_api/user32.h"

namespace kvr::headless {

// Marks a window, or a window and all its descendants, as needing a repaint.
void invalidateWindow(HWND window);
void invalidateTree(HWND window);

// Sends WM_PAINT to every visible window of the tree that needs it, parents
// before children. Returns whether any window was painted.
bool paintTree(HWND window);

// Whether some visible window anywhere needs painting; and painting them all.
bool paintPending();
void paintAll();

}  // namespace kvr::headless
