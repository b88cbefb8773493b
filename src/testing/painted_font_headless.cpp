#include "testing/painted_font.h"

#include "headless/headless.h"

namespace kvr::testing {

void RecordPaintedFonts() {}

HFONT PaintedTextFont(HWND control) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return kvrHeadlessLastTextFont(control);
}

}  // namespace kvr::testing
