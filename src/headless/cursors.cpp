// LoadCursorW, CopyIcon, DestroyCursor, SetCursor and GetCursor. Shared cursors
// (system ones and those loaded from a module) live for the whole process and
// cannot be destroyed; copies made with CopyIcon are tracked until destroyed.
#include "headless/cursors.h"

#include <map>
#include <set>
#include <utility>

#include "headless/module_table.h"

namespace kvr::headless {

namespace {

struct CursorTable {
    std::map<ULONG_PTR, HCURSOR> system;  // by IDC_ ordinal
    std::map<std::pair<HMODULE, std::size_t>, HCURSOR> fromModules;
    std::set<HCURSOR> shared;
    std::set<HCURSOR> copies;
    HCURSOR current = nullptr;
};

CursorTable& table() {
    static CursorTable t;
    return t;
}

HCURSOR newCursor() {
    return reinterpret_cast<HCURSOR>(newHandleValue());
}

bool isSystemCursorId(ULONG_PTR id) {
    // IDC_ARROW 32512 to IDC_WAIT/CROSS/UPARROW 32516, the sizing cursors and
    // IDC_NO 32640 to 32648, IDC_HAND 32649, IDC_APPSTARTING 32650, IDC_HELP 32651.
    return (id >= 32512 && id <= 32516) || (id >= 32640 && id <= 32651);
}

HCURSOR systemCursor(ULONG_PTR id) {
    CursorTable& t = table();
    auto found = t.system.find(id);
    if (found != t.system.end()) {
        return found->second;
    }
    HCURSOR cursor = newCursor();
    t.system.emplace(id, cursor);
    t.shared.insert(cursor);
    return cursor;
}

}  // namespace

HCURSOR classCursor(WindowClass windowClass) {
    // The edit class shows the I-beam (IDC_IBEAM, 32513); the others the arrow.
    return systemCursor(windowClass == WindowClass::Edit ? 32513 : 32512);
}

}  // namespace kvr::headless

using namespace kvr::headless;

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    if (instance == nullptr) {
        if (!IS_INTRESOURCE(name)) {
            return nullptr;
        }
        ULONG_PTR id = reinterpret_cast<ULONG_PTR>(name);
        return isSystemCursorId(id) ? systemCursor(id) : nullptr;
    }
    ModuleResource resource;
    if (!findModuleResource(instance, name, RT_GROUP_CURSOR, resource)) {
        return nullptr;
    }
    CursorTable& t = table();
    auto key = std::make_pair(instance, resource.index);
    auto found = t.fromModules.find(key);
    if (found != t.fromModules.end()) {
        return found->second;
    }
    HCURSOR cursor = newCursor();
    t.fromModules.emplace(key, cursor);
    t.shared.insert(cursor);
    return cursor;
}

HICON CopyIcon(HICON icon) {
    CursorTable& t = table();
    if (t.shared.count(icon) == 0 && t.copies.count(icon) == 0) {
        return nullptr;
    }
    HCURSOR copy = newCursor();
    t.copies.insert(copy);
    return copy;
}

BOOL DestroyCursor(HCURSOR cursor) {
    CursorTable& t = table();
    // Shared cursors belong to the system or their module: not to be destroyed.
    if (t.copies.erase(cursor) == 0) {
        return FALSE;
    }
    if (t.current == cursor) {
        t.current = nullptr;
    }
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
    CursorTable& t = table();
    if (cursor != nullptr && t.shared.count(cursor) == 0 && t.copies.count(cursor) == 0) {
        return nullptr;
    }
    HCURSOR previous = t.current;
    t.current = cursor;
    return previous;
}

HCURSOR GetCursor() {
    return table().current;
}

int kvrHeadlessLiveCursors() {
    return static_cast<int>(table().copies.size());
}
