// The static class: text drawn per style, and bitmaps (SS_BITMAP) loaded from
// the instance's resources. Without SS_NOTIFY a static is transparent to the
// mouse: hit-testing answers HTTRANSPARENT, so its parent gets the input.
#include <cstdint>
#include <cstring>
#include <cstdlib>

#include "headless/control_helpers.h"
#include "headless/gdi_objects.h"
#include "headless/module_table.h"
#include "headless/painting.h"
#include "headless/window_table.h"

namespace kvr::headless {

namespace {

constexpr COLORREF kGrayText = 0x808080;
constexpr DWORD kRealSizeControl = 0x40;  // SS_REALSIZECONTROL

DWORD staticType(const Window& w) {
    return w.style & SS_TYPEMASK;
}

std::int32_t readInt32(const std::uint8_t* p) {
    std::int32_t value;
    std::memcpy(&value, p, sizeof value);  // little-endian, as the host is
    return value;
}

// Loads the template's bitmap; a missing or malformed one leaves the static empty.
void loadBitmap(Window& w) {
    LPCWSTR name = w.staticData.imageOrdinal != 0
                       ? MAKEINTRESOURCEW(w.staticData.imageOrdinal)
                       : reinterpret_cast<LPCWSTR>(w.staticData.imageName.c_str());
    ModuleResource resource;
    // A bitmap resource starts with its BITMAPINFOHEADER: size, width, height.
    if (!findModuleResource(w.instance, name, RT_BITMAP, resource) || resource.size < 12) {
        return;
    }
    const int width = readInt32(resource.data + 4);
    const int height = std::abs(readInt32(resource.data + 8));
    if (width <= 0 || height <= 0) {
        return;
    }
    w.staticData.image = createBitmap(width, height);
    w.staticData.ownsImage = true;
    // The control takes the bitmap's size unless it centres the image.
    if (!(w.style & (SS_CENTERIMAGE | kRealSizeControl))) {
        w.rect.right = w.rect.left + width;
        w.rect.bottom = w.rect.top + height;
    }
}

UINT textFormat(const Window& w) {
    UINT format = 0;
    switch (staticType(w)) {
        case SS_CENTER:
            format = DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK;
            break;
        case SS_RIGHT:
            format = DT_RIGHT | DT_EXPANDTABS | DT_WORDBREAK;
            break;
        case SS_SIMPLE:
            format = DT_LEFT | DT_SINGLELINE;
            break;
        case SS_LEFTNOWORDWRAP:
            format = DT_LEFT | DT_EXPANDTABS;
            break;
        default:
            format = DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK;
            break;
    }
    if (w.style & SS_NOPREFIX) {
        format |= DT_NOPREFIX;
    }
    if (w.style & SS_CENTERIMAGE) {
        format |= DT_SINGLELINE | DT_VCENTER;
    }
    return format;
}

bool drawsText(DWORD type) {
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE ||
           type == SS_LEFTNOWORDWRAP;
}

void paint(HWND control) {
    PAINTSTRUCT ps;
    HDC dc = beginControlPaint(control, ps);
    Window* w = findWindow(control);
    if (dc != nullptr && w != nullptr) {
        RECT client{};
        GetClientRect(control, &client);
        const DWORD type = staticType(*w);
        if (drawsText(type)) {
            if (w->style & WS_DISABLED) {
                SetTextColor(dc, kGrayText);
            }
            std::u16string text = w->text;
            DrawTextExW(dc, text.data(), static_cast<int>(text.size()), &client, textFormat(*w),
                        nullptr);
        }
    }
    EndPaint(control, &ps);
}

}  // namespace

LRESULT CALLBACK staticClassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(control);
    if (w == nullptr) {
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            if (staticType(*w) == SS_BITMAP) {
                loadBitmap(*w);
            }
            return 0;
        case WM_NCHITTEST:
            if (!(w->style & SS_NOTIFY)) {
                return HTTRANSPARENT;
            }
            return DefWindowProcW(control, message, wParam, lParam);
        case WM_LBUTTONDOWN:
            if (w->style & SS_NOTIFY) {
                notifyParent(control, STN_CLICKED);
            }
            return 0;
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        case WM_SETTEXT: {
            LRESULT result = DefWindowProcW(control, message, wParam, lParam);
            InvalidateRect(control, nullptr, TRUE);
            return result;
        }
        case STM_GETIMAGE:
            return wParam == IMAGE_BITMAP && staticType(*w) == SS_BITMAP
                       ? reinterpret_cast<LRESULT>(w->staticData.image)
                       : 0;
        case STM_SETIMAGE: {
            if (wParam != IMAGE_BITMAP || staticType(*w) != SS_BITMAP) {
                return 0;
            }
            // The previous image goes back to the caller, who owns it from now on.
            HBITMAP previous = w->staticData.image;
            w->staticData.image = reinterpret_cast<HBITMAP>(lParam);
            w->staticData.ownsImage = false;
            InvalidateRect(control, nullptr, TRUE);
            return reinterpret_cast<LRESULT>(previous);
        }
        case WM_ENABLE:
            InvalidateRect(control, nullptr, TRUE);
            return 0;
        case WM_PAINT:
            paint(control);
            return 0;
        default:
            return DefWindowProcW(control, message, wParam, lParam);
    }
}

}  // namespace kvr::headless
