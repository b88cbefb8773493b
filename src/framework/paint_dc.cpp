#include "framework/paint_dc.h"

#include "framework/font.h"
#include "framework/wnd.h"

namespace kvr::ui {

CPaintDC::CPaintDC(CWnd& window) : window_(window) {
    m_hDC = ::BeginPaint(window.m_hWnd, &paint_);
}

CPaintDC::~CPaintDC() {
    if (originalFont_ != nullptr) {
        ::SelectObject(m_hDC, originalFont_);
    }
    ::EndPaint(window_.m_hWnd, &paint_);
}

void CPaintDC::SelectObject(const CFont& font) {
    if (font.handle() == nullptr || m_hDC == nullptr) {
        return;
    }
    HGDIOBJ previous = ::SelectObject(m_hDC, font.handle());
    if (originalFont_ == nullptr) {
        originalFont_ = previous;
    }
}

}  // namespace kvr::ui
