// Window creation and DestroyWindow: WM_DESTROY to the window and then its
// children, WM_NCDESTROY to the children first and the window last, so that
// every procedure (subclasses included) sees its window go.
#include "headless/window_lifetime.h"

#include <vector>

#include "headless/focus_capture.h"
#include "headless/painting.h"

namespace kvr::headless {

namespace {

void markDestroying(HWND handle) {
    Window* w = findWindow(handle);
    if (w == nullptr) {
        return;
    }
    w->destroying = true;
    for (HWND child : w->children) {
        markDestroying(child);
    }
}

void sendDestroy(HWND handle) {
    Window* w = findWindow(handle);
    if (w == nullptr) {
        return;
    }
    std::vector<HWND> children = w->children;
    SendMessageW(handle, WM_DESTROY, 0, 0);
    for (HWND child : children) {
        sendDestroy(child);
    }
}

void releaseOwned(Window& w) {
    if (w.dialog && w.dialog->font != nullptr) {
        DeleteObject(w.dialog->font);
        w.dialog->font = nullptr;
    }
    if (w.staticData.ownsImage && w.staticData.image != nullptr) {
        DeleteObject(w.staticData.image);
        w.staticData.image = nullptr;
    }
}

void finishDestroy(HWND handle) {
    Window* w = findWindow(handle);
    if (w == nullptr) {
        return;
    }
    for (HWND child : std::vector<HWND>(w->children)) {
        finishDestroy(child);
    }
    SendMessageW(handle, WM_NCDESTROY, 0, 0);
    if (Window* after = findWindow(handle)) {
        releaseOwned(*after);
        removeWindow(handle);
    }
}

}  // namespace

HWND createWindow(const CreateParams& params) {
    Window& w = addWindow(params.windowClass, params.parent, params.owner);
    w.style = params.style;
    w.exStyle = params.exStyle;
    w.rect = params.rect;
    w.id = params.id;
    w.instance = params.instance;
    w.text = params.text;
    w.staticData.imageOrdinal = params.imageOrdinal;
    w.staticData.imageName = params.imageName;
    w.invalid = true;
    HWND handle = w.handle;
    if (SendMessageW(handle, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    return findWindow(handle) != nullptr ? handle : nullptr;
}

}  // namespace kvr::headless

using namespace kvr::headless;

BOOL DestroyWindow(HWND window) {
    Window* w = findWindow(window);
    if (w == nullptr || w->destroying) {
        return FALSE;
    }
    const DWORD style = w->style;
    const HWND parent = (style & WS_CHILD) ? w->parent : nullptr;
    markDestroying(window);
    leaveSubtree(window, parent);
    if (parent != nullptr && (style & WS_VISIBLE)) {
        invalidateWindow(parent);  // what the window covered shows again
    }
    sendDestroy(window);
    finishDestroy(window);
    return TRUE;
}
