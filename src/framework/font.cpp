#include "framework/font.h"

namespace kvr::ui {

bool CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                       DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
                       LPCWSTR faceName) {
    DeleteObject();
    m_hObject =
        ::CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                      charSet, outPrecision, clipPrecision, quality, pitchAndFamily, faceName);
    return m_hObject != nullptr;
}

void CFont::DeleteObject() {
    if (m_hObject != nullptr) {
        ::DeleteObject(m_hObject);
        m_hObject = nullptr;
    }
}

}  // namespace kvr::ui
