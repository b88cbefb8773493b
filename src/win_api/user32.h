// The headless window system: the Win32 API subset of win_api/win_api.h,
// implemented in memory. Types, constants and rules follow Win32 (see the
// dialog behaviour notes in the project docs); WCHAR is char16_t here.
#pragma once

#include <cstddef>
#include <cstdint>

// ---- Types ----------------------------------------------------------------

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using COLORREF = DWORD;
using WCHAR = char16_t;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPCSTR = const char*;
using LPVOID = void*;
using LPCVOID = const void*;

#define CALLBACK
#define WINAPI
#define TRUE 1
#define FALSE 0

struct HWND__;
struct HINSTANCE__;
struct HFONT__;
struct HCURSOR__;
struct HDC__;
struct HRSRC__;
struct HBITMAP__;
using HWND = HWND__*;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
using HFONT = HFONT__*;
using HCURSOR = HCURSOR__*;
using HICON = HCURSOR;
using HDC = HDC__*;
using HRSRC = HRSRC__*;
using HBITMAP = HBITMAP__*;
using HGDIOBJ = void*;
using HGLOBAL = void*;
using HMENU = void*;
using HANDLE = void*;

struct RECT {
    LONG left, top, right, bottom;
};
using LPRECT = RECT*;
struct POINT {
    LONG x, y;
};
struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
struct LOGFONTW {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[32];
};
struct DRAWTEXTPARAMS;
struct DLGTEMPLATE;  // opaque: the bytes of a (extended) dialog template
using LPCDLGTEMPLATEW = const DLGTEMPLATE*;

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);

// ---- Macros ---------------------------------------------------------------

#define MAKEINTRESOURCEW(i) (reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(static_cast<WORD>(i))))
#define IS_INTRESOURCE(p) ((reinterpret_cast<ULONG_PTR>(p) >> 16) == 0)
#define LOWORD(l) (static_cast<WORD>(static_cast<DWORD_PTR_>(l) & 0xffff))
#define HIWORD(l) (static_cast<WORD>((static_cast<DWORD_PTR_>(l) >> 16) & 0xffff))
using DWORD_PTR_ = std::uintptr_t;
#define MAKELONG(a, b) \
    (static_cast<LONG>(static_cast<WORD>(a) | (static_cast<DWORD>(static_cast<WORD>(b)) << 16)))
#define MAKEWPARAM(l, h) (static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(l, h))))
#define MAKELPARAM(l, h) (static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(l, h))))
#define GET_X_LPARAM(lp) (static_cast<int>(static_cast<short>(LOWORD(lp))))
#define GET_Y_LPARAM(lp) (static_cast<int>(static_cast<short>(HIWORD(lp))))
#define RGB(r, g, b) \
    (static_cast<COLORREF>((BYTE)(r) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))

// ---- Constants ------------------------------------------------------------

// Messages
constexpr UINT WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003, WM_SIZE = 0x0005,
               WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_ENABLE = 0x000A,
               WM_SETREDRAW = 0x000B, WM_SETTEXT = 0x000C, WM_GETTEXT = 0x000D,
               WM_GETTEXTLENGTH = 0x000E, WM_PAINT = 0x000F, WM_CLOSE = 0x0010,
               WM_ERASEBKGND = 0x0014, WM_SHOWWINDOW = 0x0018, WM_SETCURSOR = 0x0020,
               WM_NEXTDLGCTL = 0x0028, WM_SETFONT = 0x0030, WM_GETFONT = 0x0031,
               WM_NCDESTROY = 0x0082, WM_NCHITTEST = 0x0084, WM_GETDLGCODE = 0x0087,
               WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102, WM_INITDIALOG = 0x0110,
               WM_COMMAND = 0x0111, WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201,
               WM_LBUTTONUP = 0x0202, WM_CAPTURECHANGED = 0x0215, WM_USER = 0x0400, WM_APP = 0x8000;
constexpr UINT BM_GETCHECK = 0x00F0, BM_SETCHECK = 0x00F1, BM_GETSTATE = 0x00F2,
               BM_SETSTATE = 0x00F3, BM_SETSTYLE = 0x00F4, BM_CLICK = 0x00F5;
constexpr UINT EM_GETSEL = 0x00B0, EM_SETSEL = 0x00B1, EM_REPLACESEL = 0x00C2,
               EM_LIMITTEXT = 0x00C5;
constexpr UINT STM_SETIMAGE = 0x0172, STM_GETIMAGE = 0x0173;
constexpr UINT EM_GETLIMITTEXT = 0x00D5;
constexpr WPARAM IMAGE_BITMAP = 0;
constexpr UINT DM_GETDEFID = WM_USER + 0, DM_SETDEFID = WM_USER + 1;
constexpr WORD DC_HASDEFID = 0x534B;

// Notifications
constexpr WORD BN_CLICKED = 0;
constexpr WORD STN_CLICKED = 0;
constexpr WORD EN_SETFOCUS = 0x0100, EN_MAXTEXT = 0x0501, EN_KILLFOCUS = 0x0200, EN_CHANGE = 0x0300,
               EN_UPDATE = 0x0400;

// Dialog codes (WM_GETDLGCODE)
constexpr LRESULT DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004,
                  DLGC_HASSETSEL = 0x0008, DLGC_DEFPUSHBUTTON = 0x0010,
                  DLGC_UNDEFPUSHBUTTON = 0x0020, DLGC_RADIOBUTTON = 0x0040, DLGC_WANTCHARS = 0x0080,
                  DLGC_STATIC = 0x0100, DLGC_BUTTON = 0x2000;

// Check states
constexpr int BST_UNCHECKED = 0, BST_CHECKED = 1, BST_INDETERMINATE = 2, BST_PUSHED = 4,
              BST_FOCUS = 8;

// Command ids
constexpr int IDOK = 1, IDCANCEL = 2;

// Window styles
constexpr DWORD WS_OVERLAPPED = 0x00000000, WS_POPUP = 0x80000000, WS_CHILD = 0x40000000,
                WS_VISIBLE = 0x10000000, WS_DISABLED = 0x08000000, WS_CAPTION = 0x00C00000,
                WS_BORDER = 0x00800000, WS_DLGFRAME = 0x00400000, WS_VSCROLL = 0x00200000,
                WS_HSCROLL = 0x00100000, WS_SYSMENU = 0x00080000, WS_THICKFRAME = 0x00040000,
                WS_GROUP = 0x00020000, WS_TABSTOP = 0x00010000;
constexpr DWORD WS_EX_TRANSPARENT = 0x00000020, WS_EX_CONTROLPARENT = 0x00010000;
constexpr DWORD DS_FIXEDSYS = 0x0008, DS_SETFONT = 0x0040, DS_MODALFRAME = 0x0080,
                DS_CENTER = 0x0800, DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;
constexpr DWORD BS_PUSHBUTTON = 0x0, BS_DEFPUSHBUTTON = 0x1, BS_CHECKBOX = 0x2,
                BS_AUTOCHECKBOX = 0x3, BS_RADIOBUTTON = 0x4, BS_3STATE = 0x5, BS_AUTO3STATE = 0x6,
                BS_GROUPBOX = 0x7, BS_AUTORADIOBUTTON = 0x9, BS_TYPEMASK = 0xF,
                BS_MULTILINE = 0x2000;
constexpr DWORD SS_LEFT = 0x0, SS_CENTER = 0x1, SS_RIGHT = 0x2, SS_SIMPLE = 0xB,
                SS_LEFTNOWORDWRAP = 0xC, SS_BITMAP = 0xE, SS_NOPREFIX = 0x80, SS_TYPEMASK = 0x1F,
                SS_NOTIFY = 0x100, SS_CENTERIMAGE = 0x200;
constexpr DWORD ES_LEFT = 0x0, ES_CENTER = 0x1, ES_RIGHT = 0x2, ES_MULTILINE = 0x4,
                ES_AUTOHSCROLL = 0x80, ES_READONLY = 0x800;

// Window data indexes
constexpr int GWL_STYLE = -16, GWL_EXSTYLE = -20, GWL_ID = -12, GWLP_ID = -12, GWLP_WNDPROC = -4,
              GWLP_USERDATA = -21, GWLP_HINSTANCE = -6;
constexpr int DWLP_MSGRESULT = 0, DWLP_DLGPROC = sizeof(LRESULT),
              DWLP_USER = sizeof(LRESULT) + sizeof(DLGPROC);

// ShowWindow, GetWindow, hit tests, child-from-point
constexpr int SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOW = 5;
constexpr UINT GW_HWNDFIRST = 0, GW_HWNDLAST = 1, GW_HWNDNEXT = 2, GW_HWNDPREV = 3, GW_OWNER = 4,
               GW_CHILD = 5;
constexpr LRESULT HTERROR = -2, HTTRANSPARENT = -1, HTNOWHERE = 0, HTCLIENT = 1;
constexpr UINT CWP_ALL = 0, CWP_SKIPINVISIBLE = 1, CWP_SKIPDISABLED = 2, CWP_SKIPTRANSPARENT = 4;

// Painting
constexpr int TRANSPARENT = 1, OPAQUE = 2;
constexpr UINT DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
               DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
               DT_NOCLIP = 0x100, DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800;
constexpr UINT RDW_INVALIDATE = 0x1, RDW_ERASE = 0x4, RDW_ALLCHILDREN = 0x80, RDW_UPDATENOW = 0x100,
               RDW_FRAME = 0x400;

// Fonts
constexpr int FW_DONTCARE = 0, FW_THIN = 100, FW_NORMAL = 400, FW_BOLD = 700;
constexpr BYTE ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, RUSSIAN_CHARSET = 204;

// Keys and mouse
constexpr int VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_ESCAPE = 0x1B,
              VK_SPACE = 0x20, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28;
constexpr WPARAM MK_LBUTTON = 0x0001;

// Resources
#define RT_CURSOR MAKEINTRESOURCEW(1)
#define RT_BITMAP MAKEINTRESOURCEW(2)
#define RT_DIALOG MAKEINTRESOURCEW(5)
#define RT_GROUP_CURSOR MAKEINTRESOURCEW(12)
#define RT_VERSION MAKEINTRESOURCEW(16)
#define IDC_ARROW MAKEINTRESOURCEW(32512)
#define IDC_HAND MAKEINTRESOURCEW(32649)
constexpr int MAX_PATH = 260;
constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1;
constexpr UINT SWP_NOSIZE = 0x1, SWP_NOMOVE = 0x2, SWP_NOZORDER = 0x4, SWP_NOACTIVATE = 0x10,
               SWP_SHOWWINDOW = 0x40, SWP_HIDEWINDOW = 0x80;

// ---- Functions (user32) ---------------------------------------------------

INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialogTemplate, HWND owner,
                                DLGPROC dialogProc, LPARAM initParam);
BOOL EndDialog(HWND dialog, INT_PTR result);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL SetWindowTextW(HWND window, LPCWSTR text);
int GetWindowTextW(HWND window, LPWSTR buffer, int maxCount);
int GetWindowTextLengthW(HWND window);
int GetClassNameW(HWND window, LPWSTR buffer, int maxCount);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);
BOOL ShowWindow(HWND window, int command);
BOOL IsWindowVisible(HWND window);
BOOL IsWindow(HWND window);
BOOL DestroyWindow(HWND window);
HWND SetFocus(HWND window);
HWND GetFocus();
HWND GetParent(HWND window);
HWND GetWindow(HWND window, UINT relation);
BOOL EnumWindows(WNDENUMPROC callback, LPARAM data);
LONG_PTR GetWindowLongPtrW(HWND window, int index);
LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value);
LRESULT CallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL GetClientRect(HWND window, LPRECT rect);
BOOL GetWindowRect(HWND window, LPRECT rect);
BOOL MapDialogRect(HWND dialog, LPRECT rect);
BOOL ClientToScreen(HWND window, POINT* point);
BOOL ScreenToClient(HWND window, POINT* point);
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
int GetSystemMetrics(int index);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND window);
BOOL RedrawWindow(HWND window, const RECT* rect, void* region, UINT flags);
int DrawTextExW(HDC dc, LPWSTR text, int length, LPRECT rect, UINT format, DRAWTEXTPARAMS* params);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);
HICON CopyIcon(HICON icon);
BOOL DestroyCursor(HCURSOR cursor);
BOOL IsDialogMessageW(HWND dialog, MSG* message);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
BOOL IsChild(HWND parent, HWND window);
short GetKeyState(int virtualKey);
// The keys held down, 0x80 in a key's byte (only that bit is kept).
BOOL GetKeyboardState(BYTE* keys);
BOOL SetKeyboardState(BYTE* keys);
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();

// ---- Functions (gdi32) ----------------------------------------------------

HFONT CreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCWSTR faceName);
BOOL DeleteObject(HGDIOBJ object);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
int SetBkMode(HDC dc, int mode);
COLORREF SetTextColor(HDC dc, COLORREF color);
int GetObjectW(HGDIOBJ object, int size, LPVOID buffer);

// ---- Functions (kernel32, shell32) ----------------------------------------

UINT GetWindowsDirectoryW(LPWSTR buffer, UINT size);
HMODULE LoadLibraryW(LPCWSTR fileName);
// Flags of LoadLibraryExW: the file's resources only, mapped as data.
constexpr DWORD LOAD_LIBRARY_AS_DATAFILE = 0x00000002, LOAD_LIBRARY_AS_IMAGE_RESOURCE = 0x00000020;
HMODULE LoadLibraryExW(LPCWSTR fileName, HANDLE file, DWORD flags);
BOOL FreeLibrary(HMODULE module);
HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL data);
DWORD SizeofResource(HMODULE module, HRSRC resource);
HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                        LPCWSTR directory, int showCommand);
