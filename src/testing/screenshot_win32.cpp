// The dialog as the screen shows it. Under Wine on a virtual X display,
// PrintWindow gives a blank picture; what works is to make the dialog repaint
// itself (frame and children included), let the window system put the result
// on the screen, and copy the window's rectangle from the screen.
#include "testing/screenshot.h"

#include <cstdint>
#include <memory>
#include <vector>

#include "testing/gdi_handles.h"
#include "testing/png_writer.h"
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

// Copies a screen rectangle into 8-bit RGB pixels, top row first.
bool CaptureScreen(const RECT& area, RgbImage& image) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    ScreenDc screen(GetDC(nullptr));
    if (!screen) {
        return false;
    }
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    if (!memory) {
        return false;
    }
    void* bits = nullptr;
    Bitmap dib = TopDownDib(screen.get(), width, height, 24, bits);
    if (!dib) {
        return false;
    }
    {
        Selection selected(memory.get(), dib.get());
        if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top,
                    SRCCOPY | CAPTUREBLT)) {
            return false;
        }
        GdiFlush();
    }

    // DIB rows are padded to four bytes and hold blue, green, red.
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const auto* source = static_cast<const std::uint8_t*>(bits);
    image.width = static_cast<std::uint32_t>(width);
    image.height = static_cast<std::uint32_t>(height);
    image.pixels.resize(static_cast<std::size_t>(width) * height * 3);
    std::uint8_t* target = image.pixels.data();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = source + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < width; ++x, row += 3, target += 3) {
            target[0] = row[2];
            target[1] = row[1];
            target[2] = row[0];
        }
    }
    return true;
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
    // Without a window manager Wine can leave the caption of the foreground
    // window drawn as inactive (grey) after the X focus events of its first
    // mapping; make the frame match the state the window actually has.
    if (GetForegroundWindow() == dialog) {
        SendMessageW(dialog, WM_NCACTIVATE, TRUE, 0);
    }
    RepaintAndSettle(dialog);

    // Only the part of the window that is on the screen can be copied.
    RECT window{}, onScreen{};
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!GetWindowRect(dialog, &window) || !IntersectRect(&onScreen, &window, &screen)) {
        return false;
    }
    RgbImage image;
    if (!CaptureScreen(onScreen, image)) {
        return false;
    }
    const std::vector<std::uint8_t> png = EncodePng(image);
    return !png.empty() && WriteBytes(pngPath, png);
}

}  // namespace kvr::testing
