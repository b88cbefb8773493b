// Cursors a control owns: a private copy, destroyed with its owner. The
// module also remembers which of its copies are hand cursors, so that a test
// can tell that a control shows a hand.
#pragma once

#include "win_api/win_api.h"

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

// A private copy of cursor resource `id` of a program or library file, or
// null where the file or its cursor is missing. The file is read for its
// resources only: mapped as data, never as code (its imports are not
// resolved and none of its code runs), and released at once; only the copy
// outlives it.
HCURSOR CopyFileCursor(LPCWSTR path, WORD id);

// A private copy of the system's hand cursor (IDC_HAND): the shared one must
// not be destroyed, the copy is destroyed with its owner like any other.
HCURSOR CopySystemHandCursor();

// Whether the cursor is one of the hand cursors the module holds now.
bool IsModuleHandCursor(HCURSOR cursor);

}  // namespace kvr::ui
