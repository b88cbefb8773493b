// Cursors a control shows: a private copy, destroyed with its owner, or a
// shared system cursor, which belongs to the system and is never destroyed.
// The module also remembers which of the cursors it holds are hand cursors,
// so that a test can tell that a control shows a hand.
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
    // Holds a shared cursor (LoadCursorW of a system cursor), which it only
    // refers to: the system keeps it for the whole process.
    void share(HCURSOR cursor, bool isHand = false);
    HCURSOR get() const { return cursor_; }
    explicit operator bool() const { return cursor_ != nullptr; }

private:
    void hold(HCURSOR cursor, bool owned, bool isHand);

    HCURSOR cursor_ = nullptr;
    bool owned_ = false;
};

// A private copy of cursor resource `id` of a program or library file, or
// null where the file or its cursor is missing. The file is read for its
// resources only: mapped as a data file, never as code (its imports are not
// resolved and none of its code runs), and released at once; only the copy
// outlives it.
HCURSOR CopyFileCursor(LPCWSTR path, WORD id);

// Whether the cursor is one of the hand cursors the module holds now.
bool IsModuleHandCursor(HCURSOR cursor);

}  // namespace kvr::ui
