// Opening an address with the shell's "open" verb. Every launch of the module
// goes through ShellOpen; test builds record the addresses instead of
// launching anything.
#pragma once

#include <vector>

#include "text/wide_string.h"

namespace kvr::ui {

void ShellOpen(const text::WideString& address);

#if defined(KVR_TEST_DRIVER)
// The addresses handed to ShellOpen, oldest first.
std::vector<text::WideString>& RecordedShellOpens();
#endif

}  // namespace kvr::ui
