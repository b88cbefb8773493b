// The dialog as the screen shows it: the dialog repaints itself (frame and
// children included), the window system puts the result on the screen, and
// the window's rectangle is copied from there (testing/screen_capture.h).
#include "testing/screenshot.h"

#include <cstdint>
#include <memory>
#include <vector>

#include "testing/png_writer.h"
#include "testing/screen_capture.h"
#include "text/wide_string.h"

namespace kvr::testing {

namespace {

// How long the window system gets to put the repainted dialog on the screen.
constexpr DWORD kSettleMilliseconds = 150;

struct HandleClose {
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using File = std::unique_ptr<void, HandleClose>;

// Repaints the dialog now and gives the window system a moment to show it.
// This runs inside the dialog's modal loop, so only paint messages are taken
// from the queue: input and posted commands stay there for the dialog's own
// loop, which routes them through IsDialogMessage, and a screenshot never
// changes what the dialog does. Sent messages are delivered by PeekMessage
// whatever the filter.
void RepaintAndSettle(HWND dialog) {
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kSettleMilliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        GdiFlush();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_PAINT | QS_SENDMESSAGE);
    }
}

bool WriteBytes(const std::string& utf8Path, const std::vector<std::uint8_t>& bytes) {
    const text::WideString path = text::utf8ToWide(utf8Path);
    if (path.empty() || path.find(L'\0') != text::WideString::npos) {
        return false;
    }
    bool written = false;
    {
        File file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.get() == INVALID_HANDLE_VALUE) {
            file.release();
            return false;
        }
        DWORD count = 0;
        written = ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &count,
                              nullptr) &&
                  count == bytes.size();
    }
    if (!written) {
        DeleteFileW(path.c_str());
    }
    return written;
}

}  // namespace

bool SaveScreenshot(HWND dialog, const std::string& pngPath) {
    if (!IsWindow(dialog) || !IsWindowVisible(dialog)) {
        return false;
    }
    DrawCaptionAsItIs(dialog);
    RepaintAndSettle(dialog);
    RgbImage image;
    if (!CaptureWindow(dialog, image)) {
        return false;
    }
    const std::vector<std::uint8_t> png = EncodePng(image);
    return !png.empty() && WriteBytes(pngPath, png);
}

}  // namespace kvr::testing
