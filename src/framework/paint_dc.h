// CPaintDC: BeginPaint/EndPaint for the lifetime of the object, with the few
// drawing calls custom-painted controls use.
#pragma once

#include "win_api/win_api.h"

namespace kvr::ui {

class CWnd;
class CFont;

class CPaintDC {
public:
    explicit CPaintDC(CWnd& window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC m_hDC = nullptr;

    // Selects the font (ignored when it was never created) until the object
    // goes, which selects the original one back.
    void SelectObject(const CFont& font);
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    int DrawTextEx(LPWSTR text, int length, RECT* rect, UINT format) {
        return ::DrawTextExW(m_hDC, text, length, rect, format, nullptr);
    }

private:
    CWnd& window_;
    PAINTSTRUCT paint_{};
    HGDIOBJ originalFont_ = nullptr;
};

}  // namespace kvr::ui
