// The windows of the headless window system: their data, the handle table
// that maps handles to them, and the tree they form. A handle is never
// reused, so a stale handle simply finds nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "headless/headless.h"
#include "win_api/user32.h"

namespace kvr::headless {

enum class WindowClass { Dialog, Button, Edit, Static };

// What the dialog manager keeps for a dialog window.
struct DialogInfo {
    HFONT font = nullptr;  // the template font, owned by the dialog
    int baseX = 8, baseY = 16;
    int defaultId = IDOK;  // the default button id (DM_GETDEFID)
    bool ended = false;
    INT_PTR result = 0;
    HWND savedFocus = nullptr;
};

struct ButtonData {
    LONG state = 0;  // BST_* bits, plus kButtonPressed while the mouse holds it
};

struct EditData {
    std::size_t anchor = 0, caret = 0;  // the selection, in characters
    std::size_t limit = 30000;
};

struct StaticData {
    HBITMAP image = nullptr;
    bool ownsImage = false;          // loaded from the resources by the control itself
    std::uint16_t imageOrdinal = 0;  // the template's image reference
    std::u16string imageName;
};

struct Window {
    HWND handle = nullptr;
    HWND parent = nullptr;       // child windows only
    HWND owner = nullptr;        // top-level windows only
    std::vector<HWND> children;  // in z-order, top first (template order)
    WindowClass windowClass = WindowClass::Dialog;
    WNDPROC proc = nullptr;
    DWORD style = 0, exStyle = 0;
    LONG_PTR id = 0;
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    std::u16string text;
    RECT rect{};  // parent's client coordinates (children) or screen (top level)
    HFONT font = nullptr;
    bool invalid = false;
    bool destroying = false;
    std::vector<unsigned char> extra;  // the class's window extra bytes
    std::unique_ptr<DialogInfo> dialog;
    ButtonData button;
    EditData edit;
    StaticData staticData;
    HFONT lastTextFont = nullptr;  // see kvrHeadlessLastTextFont
};

// A new handle value of any kind: never null, never reused.
std::uintptr_t newHandleValue();

// The window of a handle, or null for a null, stale or foreign handle. The
// pointer is valid until the window is destroyed: never keep it across a call
// that sends a message.
Window* findWindow(HWND handle);

// Creates a window (no messages sent) and links it into its parent's list.
Window& addWindow(WindowClass windowClass, HWND parent, HWND owner);

// Unlinks and frees a window whose destruction messages have been sent.
void removeWindow(HWND handle);

// Top-level windows in creation order.
const std::vector<HWND>& topLevelWindows();

std::size_t windowCount();

// The class procedure and name of each class.
WNDPROC classProc(WindowClass windowClass);
const char16_t* className(WindowClass windowClass);
std::optional<WindowClass> classFromName(const std::u16string& name);

// Window procedures of the built-in classes.
LRESULT CALLBACK dialogClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK buttonClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK editClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK staticClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Whether a window and all its ancestors are visible / enabled.
bool isShownOnScreen(HWND window);
bool isEnabledWithAncestors(HWND window);

// The dialog a window belongs to (itself or its nearest dialog ancestor).
HWND owningDialog(HWND window);

}  // namespace kvr::headless
