// Creating and destroying windows.
#pragma once

#include <cstdint>
#include <string>

#include "headless/window_table.h"

namespace kvr::headless {

struct CreateParams {
    WindowClass windowClass = WindowClass::Static;
    HWND parent = nullptr;
    HWND owner = nullptr;
    DWORD style = 0, exStyle = 0;
    RECT rect{};
    LONG_PTR id = 0;
    HINSTANCE instance = nullptr;
    std::u16string text;
    // An image a static control takes from the resources (SS_BITMAP): by
    // ordinal, or by name when the ordinal is 0.
    std::uint16_t imageOrdinal = 0;
    std::u16string imageName;
};

// Creates a window and sends it WM_CREATE; null when WM_CREATE refused (-1).
HWND createWindow(const CreateParams& params);

}  // namespace kvr::headless
