#include "framework/shell.h"

#include "win_api/win_api.h"

namespace kvr::ui {

namespace {
ShellOpener installedOpener = nullptr;
}

void SetShellOpener(ShellOpener opener) {
    installedOpener = opener;
}

void ShellOpen(const text::WideString& address) {
    if (installedOpener != nullptr) {
        installedOpener(address);
        return;
    }
    // The result is not examined: a failure to open is silent.
    ShellExecuteW(nullptr, KVR_WIDE("open"), address.c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace kvr::ui
