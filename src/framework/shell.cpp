#include "framework/shell.h"

#include "win_api/win_api.h"

namespace kvr::ui {

#if defined(KVR_TEST_DRIVER)

std::vector<text::WideString>& RecordedShellOpens() {
    static std::vector<text::WideString> opened;
    return opened;
}

void ShellOpen(const text::WideString& address) {
    RecordedShellOpens().push_back(address);
}

#else

void ShellOpen(const text::WideString& address) {
    // The result is not examined: a failure to open is silent.
    ShellExecuteW(nullptr, KVR_WIDE("open"), address.c_str(), nullptr, nullptr, SW_SHOW);
}

#endif

}  // namespace kvr::ui
