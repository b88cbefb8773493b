// The few entry points of the headless window system that Win32 has no
// counterpart for: registering the module's compiled resources, the font a
// window drew its text in, the keyboard's modifier state, and counters that
// make handle leaks testable.
#pragma once

#include <cstddef>

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

// The font the window drew its text in between its last BeginPaint and
// EndPaint: for a window that paints itself, the one it selected, which
// WM_GETFONT does not tell. Null when it drew no text then (or drew it in the
// stock system font, or is not a window).
HFONT kvrHeadlessLastTextFont(HWND window);

// Whether a key counts as held down for GetKeyState (VK_SHIFT for Shift+Tab).
void kvrHeadlessSetKeyDown(int virtualKey, bool down);

// Live cursor copies (CopyIcon results not yet destroyed) and live fonts
// (CreateFontW results not yet deleted, the dialog manager's own included).
int kvrHeadlessLiveCursors();
int kvrHeadlessLiveFonts();

// Windows that exist right now.
int kvrHeadlessLiveWindows();
