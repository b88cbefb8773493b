#include "headless/headless.h"
#include "testing/painted_font.h"

namespace kvr::testing {

void RecordPaintedFonts() {}

HFONT PaintedTextFont(HWND control) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const PaintRecord* paint = kvrHeadlessLastPaint(control);
    if (paint == nullptr || paint->texts().empty()) {
        return nullptr;
    }
    return paint->texts().back()->font;
}

}  // namespace kvr::testing
