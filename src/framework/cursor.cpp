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

HCURSOR CopyFileCursor(LPCWSTR path, WORD id) {
    // Resources only: the image-resource flag maps the file as a resource
    // image; systems older than it (XP) refuse the flag, and get the data-file
    // load alone, which is never executable either.
    HMODULE file =
        LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (file == nullptr) {
        file = LoadLibraryExW(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    if (file == nullptr) {
        return nullptr;
    }
    HCURSOR copy = nullptr;
    if (HCURSOR cursor = LoadCursorW(file, MAKEINTRESOURCEW(id))) {
        copy = CopyIcon(cursor);
    }
    FreeLibrary(file);
    return copy;
}

HCURSOR CopySystemHandCursor() {
    HCURSOR shared = LoadCursorW(nullptr, IDC_HAND);
    return shared != nullptr ? CopyIcon(shared) : nullptr;
}

bool IsModuleHandCursor(HCURSOR cursor) {
    const auto& hands = handCursors();
    return cursor != nullptr && std::find(hands.begin(), hands.end(), cursor) != hands.end();
}

}  // namespace kvr::ui
