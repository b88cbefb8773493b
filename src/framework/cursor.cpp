#include "framework/cursor.h"

#include <algorithm>
#include <vector>

namespace kvr::ui {

namespace {

std::vector<HCURSOR>& handCursors() {
    static std::vector<HCURSOR> cursors;
    return cursors;
}

}  // namespace

void OwnedCursor::reset(HCURSOR cursor, bool isHand) {
    if (cursor_ != nullptr) {
        auto& hands = handCursors();
        hands.erase(std::remove(hands.begin(), hands.end(), cursor_), hands.end());
        DestroyCursor(cursor_);
    }
    cursor_ = cursor;
    if (cursor_ != nullptr && isHand) {
        handCursors().push_back(cursor_);
    }
}

bool IsModuleHandCursor(HCURSOR cursor) {
    const auto& hands = handCursors();
    return cursor != nullptr && std::find(hands.begin(), hands.end(), cursor) != hands.end();
}

}  // namespace kvr::ui
