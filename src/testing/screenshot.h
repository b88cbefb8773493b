// A picture of a dialog as shown on the screen, saved as PNG.
#pragma once

#include <string>

#include "framework/win_api.h"

namespace kvr::testing {

// False where the window system has no screen (headless).
bool SaveScreenshot(HWND dialog, const std::string& pngPath);

}  // namespace kvr::testing
