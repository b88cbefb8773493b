#include "testing/screenshot.h"

namespace kvr::testing {

bool SaveScreenshot(HWND, const std::string&) {
    return false;
}

}  // namespace kvr::testing
