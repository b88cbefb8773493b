#include "dialogs/hlink_static.h"

#include <iterator>

#include "catalogue/web_site.h"
#include "framework/paint_dc.h"
#include "framework/shell.h"

namespace kvr::dialogs {

namespace {

constexpr COLORREF kLinkColour = 0x00FF0000;  // pure blue (COLORREF is 0x00BBGGRR)
constexpr WORD kHelpProgramHandCursor = 106;

// The hand cursor of the Windows help program, copied; null where the program
// or its cursor is missing (current Windows versions no longer ship it).
HCURSOR CopyHelpProgramHandCursor() {
    WCHAR directory[MAX_PATH];
    UINT length = GetWindowsDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    text::WideString path(reinterpret_cast<const text::WideChar*>(directory), length);
    path += KVR_WIDE("\\winhlp32.exe");
    return ui::CopyFileCursor(reinterpret_cast<LPCWSTR>(path.c_str()), kHelpProgramHandCursor);
}

}  // namespace

KVR_BEGIN_MESSAGE_MAP(KVRGUIHLinkStatic)
KVR_ON_WM_PAINT()
KVR_ON_WM_LBUTTONUP()
KVR_ON_WM_SETCURSOR()
KVR_END_MESSAGE_MAP()

// Until its owner sets one, a link opens the home page (www. form of the host).
KVRGUIHLinkStatic::KVRGUIHLinkStatic()
    : m_address(text::utf8ToWide("http://" KVR_SITE_DISPLAY_HOST "/")) {
    m_linkFont.CreateFont(12, 0, 0, 0, FW_THIN, 0, 1, 0, ANSI_CHARSET, 0, 0, 0, 0,
                          KVR_WIDE("MS Shell Dlg"));
}

KVRGUIHLinkStatic::~KVRGUIHLinkStatic() {
    m_handCursor.reset();
    m_linkFont.DeleteObject();
}

void KVRGUIHLinkStatic::PreSubclassWindow() {
    if (!m_handCursor) {
        if (HCURSOR copy = CopyHelpProgramHandCursor()) {
            m_handCursor.reset(copy, true);
        } else {
            // Without the help program's hand, the system's own: shared, so
            // it is neither copied nor destroyed.
            m_handCursor.share(LoadCursorW(nullptr, IDC_HAND), true);
        }
    }
    CStatic::PreSubclassWindow();
}

void KVRGUIHLinkStatic::OnPaint() {
    ui::CPaintDC dc(*this);
    dc.SelectObject(m_linkFont);
    dc.SetBkMode(TRANSPARENT);
    text::WideString caption = GetWindowText();
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    dc.SetTextColor(kLinkColour);
    dc.DrawTextEx(reinterpret_cast<LPWSTR>(caption.data()), static_cast<int>(caption.size()),
                  &client, DT_CENTER);
}

void KVRGUIHLinkStatic::OnLButtonUp(UINT, POINT) {
    ui::ShellOpen(m_address);
    Default();
}

BOOL KVRGUIHLinkStatic::OnSetCursor(HWND, UINT, UINT) {
    if (!m_handCursor) {
        return FALSE;
    }
    SetCursor(m_handCursor.get());
    return TRUE;
}

}  // namespace kvr::dialogs
