// Waiting on a dialog of another process: for it to appear, for it to have
// taken in the input sent to it, and for it to go away. The driver cannot
// see the other thread's queue, so "taken in" means the dialog's thread
// answers messages again and what it shows has stopped changing.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// The visible top-level dialog (class #32770) of the process, or of any
// process when pid is 0, that is enabled (a dialog is disabled while a modal
// box of its own is open); null if there is none.
HWND FindDialog(DWORD pid);

// Waits up to timeoutMs for such a dialog; null when none came.
HWND WaitForDialog(DWORD pid, DWORD timeoutMs);

// Waits until the dialog's state has been the same for a while, and returns
// that state (the JSON of DialogStateJson); the state at the time limit when
// it never settles, or "null" once the window is gone.
std::string SettledState(HWND dialog);

// Waits up to timeoutMs for the window to be destroyed.
bool WaitUntilGone(HWND window, DWORD timeoutMs);

}  // namespace driver
