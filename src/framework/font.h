// CFont: a GDI font the owner creates and deletes with itself.
#pragma once

#include "win_api/win_api.h"

namespace kvr::ui {

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // CreateFontW with these arguments; false (and no font) when it fails.
    bool CreateFont(int height, int width, int escapement, int orientation, int weight,
                    DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                    DWORD outPrecision, DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily,
                    LPCWSTR faceName);
    void DeleteObject();

    HFONT handle() const { return m_hObject; }
    operator HFONT() const { return m_hObject; }

private:
    HFONT m_hObject = nullptr;
};

}  // namespace kvr::ui
