// Opening an address with the shell's "open" verb. Every launch of the module
// goes through ShellOpen. Test builds install an opener that records the
// addresses instead of launching anything (as they install the modal hook);
// the product installs none, and the shell opens them.
#pragma once

#include "text/wide_string.h"

namespace kvr::ui {

void ShellOpen(const text::WideString& address);

using ShellOpener = void (*)(const text::WideString& address);

// nullptr gives the launches back to the shell.
void SetShellOpener(ShellOpener opener);

}  // namespace kvr::ui
