// The font a control drew its text with the last time it painted, as the
// window system saw it drawn: a control that paints itself (a link) selects a
// font of its own, which WM_GETFONT does not report.
#pragma once

#include "win_api/win_api.h"

namespace kvr::testing {

// Starts noting the font of every text the module draws (on Windows, the
// module's import of DrawTextExW goes through a recorder; the headless window
// system records every painting by itself).
void RecordPaintedFonts();

// Repaints the control now and returns the font its last drawn text was in,
// or null when it drew none itself.
HFONT PaintedTextFont(HWND control);

}  // namespace kvr::testing
