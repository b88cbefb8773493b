// Cursors of the headless window system: the shared system cursors, cursors
// of registered modules, and tracked copies.
#pragma once

#include "headless/window_table.h"

namespace kvr::headless {

// The cursor a window class shows over its client area.
HCURSOR classCursor(WindowClass windowClass);

}  // namespace kvr::headless
