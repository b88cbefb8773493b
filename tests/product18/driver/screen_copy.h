// A picture of another process's dialog as the screen shows it, saved as
// PNG: the dialog is made to repaint and its rectangle is copied from the
// screen (testing/screen_capture.h).
#pragma once

#include <windows.h>

#include <string>

namespace driver {

bool SaveDialogPicture(HWND dialog, const std::wstring& pngPath);

}  // namespace driver
