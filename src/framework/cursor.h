// Cursors a control owns: a private copy, destroyed with its owner. The
// module also remembers which of its copies are hand cursors, so that a test
// can tell that a control shows a hand.
#pragma once

#include "framework/win_api.h"

namespace kvr::ui {

class OwnedCursor {
public:
    OwnedCursor() = default;
    ~OwnedCursor() { reset(); }
    OwnedCursor(const OwnedCursor&) = delete;
    OwnedCursor& operator=(const OwnedCursor&) = delete;

    // Takes ownership of a cursor made by CopyIcon (or null).
    void reset(HCURSOR cursor = nullptr, bool isHand = false);
    HCURSOR get() const { return cursor_; }
    explicit operator bool() const { return cursor_ != nullptr; }

private:
    HCURSOR cursor_ = nullptr;
};

// Whether the cursor is one of the hand cursors the module holds now.
bool IsModuleHandCursor(HCURSOR cursor);

}  // namespace kvr::ui
