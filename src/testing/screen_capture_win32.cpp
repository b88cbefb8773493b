#include "testing/screen_capture.h"

#include <cstddef>
#include <cstdint>

#include "testing/gdi_handles.h"

namespace kvr::testing {

namespace {

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

}  // namespace

void DrawCaptionAsItIs(HWND window) {
    if (GetForegroundWindow() == window) {
        SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    }
}

bool CaptureWindow(HWND window, RgbImage& image) {
    // Only the part of the window that is on the screen can be copied.
    RECT area{}, onScreen{};
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return GetWindowRect(window, &area) && IntersectRect(&onScreen, &area, &screen) &&
           CaptureScreen(onScreen, image);
}

}  // namespace kvr::testing
