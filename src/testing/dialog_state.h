// What the driver reads of a dialog's state from its window, as the window
// system keeps it: whether the modal loop was told to end, and how many
// dialog windows the framework runs are alive.
#pragma once

#include "win_api/win_api.h"

namespace kvr::testing {

// EndDialog hides the dialog (its window lives on until the modal loop
// returns), so one that is hidden or gone has ended. A dialog's modal hook
// shows it before it first runs, so a running dialog is visible.
bool DialogHasEnded(HWND dialog);

// Windows whose dialog procedure is the framework's that exist now: 0 between
// calls, when every dialog a method ran was destroyed with its call.
int LiveFrameworkDialogs();

}  // namespace kvr::testing
