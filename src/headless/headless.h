// The few entry points of the headless window system that Win32 has no
// counterpart for: registering the module's compiled resources, reading what
// a window painted, the keyboard's modifier state, and counters that make
// handle leaks testable.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "win_api/user32.h"

// Registers a compiled .res image as a module: FindResourceW, LoadResource,
// LockResource and SizeofResource then serve its entries for the handle
// returned. The bytes are copied. Registering the same bytes again returns the
// same module. Returns null when the bytes are not a .res image.
HINSTANCE kvrHeadlessRegisterModule(const void* resBytes, std::size_t size);

// Makes a compiled .res image a program file that LoadLibraryW and
// LoadLibraryExW find under path (compared exactly), as the Windows directory
// holds programs on Windows. Registering a path again replaces its image.
void kvrHeadlessRegisterFile(LPCWSTR path, const void* resBytes, std::size_t size);

// Loads of registered files as code (LoadLibraryW, or LoadLibraryExW without a
// resource-only flag), which on Windows map the program as an executable
// image and resolve its imports; and loads of either kind not yet freed.
int kvrHeadlessCodeLoads();
int kvrHeadlessLoadedFiles();

// One laid-out line of a DrawTextExW call: where it starts and what it holds.
struct PaintTextLine {
    std::u16string text;     // the whole line, prefix characters removed
    std::u16string visible;  // the characters that lie entirely inside the rectangle
    LONG x = 0, y = 0;       // top-left of the line, client coordinates
};

// One call recorded on a painting device context, with the device context's
// state at that moment (font, background mode, text colour).
struct PaintOperation {
    enum class Kind { SelectFont, SetBkMode, SetTextColor, DrawText, DrawBitmap };
    Kind kind = Kind::DrawText;
    HFONT font = nullptr;  // the selected font (null: the stock system font)
    LOGFONTW logFont{};    // a copy of that font's description
    int bkMode = OPAQUE;
    COLORREF textColor = 0;
    // DrawText: the text and arguments as passed, and the lines drawn.
    std::u16string text;
    RECT rect{};
    UINT format = 0;
    std::vector<PaintTextLine> lines;
    // DrawBitmap: the bitmap and where it went.
    HBITMAP bitmap = nullptr;
};

struct PaintRecord {
    std::vector<PaintOperation> operations;

    // The DrawText operations only, in order.
    std::vector<const PaintOperation*> texts() const;
};

// What the window painted between its last BeginPaint and EndPaint, or null
// when it never painted (or is not a window). Valid until it paints again or
// is destroyed.
const PaintRecord* kvrHeadlessLastPaint(HWND window);

// How many times the window got WM_PAINT so far.
int kvrHeadlessPaintCount(HWND window);

// Whether a key counts as held down for GetKeyState (VK_SHIFT for Shift+Tab).
void kvrHeadlessSetKeyDown(int virtualKey, bool down);

// Live cursor copies (CopyIcon results not yet destroyed) and live fonts
// (CreateFontW results not yet deleted, the dialog manager's own included).
int kvrHeadlessLiveCursors();
int kvrHeadlessLiveFonts();

// Windows that exist right now.
int kvrHeadlessLiveWindows();
