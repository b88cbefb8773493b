// The thread's queue of posted messages (PostMessageW), first in, first out.
#pragma once

#include "win_api/user32.h"

namespace kvr::headless {

// Takes the oldest posted message; false when the queue is empty.
bool takePostedMessage(MSG& message);

// Delivers a message taken from the queue to its window (DispatchMessageW).
LRESULT dispatchMessage(const MSG& message);

}  // namespace kvr::headless
