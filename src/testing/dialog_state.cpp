#include "testing/dialog_state.h"

#include "framework/dialog.h"

namespace kvr::testing {

namespace {

BOOL CALLBACK CountFrameworkDialog(HWND window, LPARAM count) {
    if (ui::CDialog::FromDialogHandle(window) != nullptr) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

}  // namespace

bool DialogHasEnded(HWND dialog) {
    return !IsWindow(dialog) || !IsWindowVisible(dialog);
}

int LiveFrameworkDialogs() {
    int count = 0;
    EnumWindows(&CountFrameworkDialog, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace kvr::testing
