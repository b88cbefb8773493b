#include "screen_copy.h"

#include <vector>

#include "file_io.h"
#include "testing/png_writer.h"
#include "testing/screen_capture.h"

namespace driver {

namespace {

// How long the window system gets to put the repainted dialog on the screen:
// the dialog's thread paints when its loop next runs.
constexpr DWORD kSettleMilliseconds = 200;

}  // namespace

bool SaveDialogPicture(HWND dialog, const std::wstring& pngPath) {
    kvr::testing::DrawCaptionAsItIs(dialog);
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(kSettleMilliseconds);
    kvr::testing::RgbImage image;
    if (!kvr::testing::CaptureWindow(dialog, image)) {
        return false;
    }
    const std::vector<std::uint8_t> png = kvr::testing::EncodePng(image);
    return !png.empty() &&
           WriteWholeFile(pngPath, {reinterpret_cast<const char*>(png.data()), png.size()});
}

}  // namespace driver
