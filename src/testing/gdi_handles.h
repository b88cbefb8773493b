// Owners of the GDI objects the driver's pictures and measures borrow: each
// is released or deleted however the function that made it is left.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>

#include "win_api/win_api.h"

namespace kvr::testing {

struct ScreenDcRelease {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct MemoryDcDelete {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct GdiObjectDelete {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcRelease>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDelete>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDelete>;

// A bitmap whose pixels the caller reads: top-down rows of bitsPerPixel
// (24 or 32) bits, BI_RGB; pixels is set to them. Empty when it cannot be
// made.
inline Bitmap TopDownDib(HDC dc, int width, int height, WORD bitsPerPixel, void*& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    pixels = nullptr;
    Bitmap dib(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    return pixels != nullptr ? std::move(dib) : Bitmap();
}

// Keeps an object selected into a DC for its lifetime.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace kvr::testing
