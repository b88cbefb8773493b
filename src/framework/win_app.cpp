#include "framework/win_app.h"

namespace kvr::ui {

namespace {
CWinApp* currentApp = nullptr;
}

CWinApp::CWinApp() {
    currentApp = this;
}

CWinApp::~CWinApp() {
    if (currentApp == this) {
        currentApp = nullptr;
    }
}

CWinApp* CWinApp::Current() {
    return currentApp;
}

}  // namespace kvr::ui
