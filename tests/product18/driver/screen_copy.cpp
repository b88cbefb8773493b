#include "screen_copy.h"

#include <cstdio>
#include <memory>
#include <type_traits>
#include <vector>

#include "testing/png_writer.h"

namespace driver {

namespace {

// How long the window system gets to put the repainted dialog on the screen.
constexpr DWORD kSettleMilliseconds = 200;

struct ScreenDcRelease {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct MemoryDcDelete {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct BitmapDelete {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
struct FileClose {
    void operator()(FILE* file) const { std::fclose(file); }
};
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcRelease>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDelete>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDelete>;
using File = std::unique_ptr<FILE, FileClose>;

bool Capture(const RECT& area, kvr::testing::RgbImage& image) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    ScreenDc screen(GetDC(nullptr));
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    if (!screen || !memory || !bitmap) {
        return false;
    }
    const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
    const BOOL copied =
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
    SelectObject(memory.get(), previous);
    if (!copied) {
        return false;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint8_t> bgrx(static_cast<size_t>(width) * height * 4);
    if (GetDIBits(memory.get(), bitmap.get(), 0, height, bgrx.data(), &info, DIB_RGB_COLORS) !=
        height) {
        return false;
    }
    image.width = static_cast<std::uint32_t>(width);
    image.height = static_cast<std::uint32_t>(height);
    image.pixels.clear();
    image.pixels.reserve(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < bgrx.size(); i += 4) {
        image.pixels.push_back(bgrx[i + 2]);
        image.pixels.push_back(bgrx[i + 1]);
        image.pixels.push_back(bgrx[i]);
    }
    return true;
}

}  // namespace

bool SaveDialogPicture(HWND dialog, const std::wstring& pngPath) {
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(kSettleMilliseconds);
    RECT area{};
    kvr::testing::RgbImage image;
    if (!GetWindowRect(dialog, &area) || !Capture(area, image)) {
        return false;
    }
    const std::vector<std::uint8_t> png = kvr::testing::EncodePng(image);
    File file(_wfopen(pngPath.c_str(), L"wb"));
    return file && !png.empty() && std::fwrite(png.data(), 1, png.size(), file.get()) == png.size();
}

}  // namespace driver
