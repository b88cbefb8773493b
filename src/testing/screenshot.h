// A picture of a dialog as shown on the screen, saved as PNG.
#pragma once

#include <string>

#include "win_api/win_api.h"

namespace kvr::testing {

// False where the window system has no screen (headless).
bool SaveScreenshot(HWND dialog, const std::string& pngPath);

}  // namespace kvr::testing
