// The edit class: text, selection, typing and notifications. A single-line
// edit without ES_AUTOHSCROLL takes no more characters than fit its width
// (every character as wide as the font's average character).
#include <algorithm>
#include <string>

#include "headless/control_helpers.h"
#include "headless/gdi_objects.h"
#include "headless/window_table.h"

namespace kvr::headless {

namespace {

constexpr std::size_t kDefaultLimit = 32767;
constexpr std::size_t kLargestLimit = 0x7FFFFFFE;
// Pixels lost to the border (when there is one) and the margin on each side.
constexpr int kBorderWidth = 2;
constexpr int kMarginWidth = 1;

std::size_t selectionStart(const EditData& e) {
    return std::min(e.anchor, e.caret);
}
std::size_t selectionEnd(const EditData& e) {
    return std::max(e.anchor, e.caret);
}

// How many characters fit the edit's width.
std::size_t fittingCharacters(HWND edit, const Window& w) {
    RECT client{};
    GetClientRect(edit, &client);
    int width = client.right - client.left - 2 * kMarginWidth;
    if (w.style & WS_BORDER) {
        width -= 2 * kBorderWidth;
    }
    FontMetrics m = fontMetrics(w.font);
    return width > 0 ? static_cast<std::size_t>(width / m.averageWidth) : 0;
}

void notifyChange(HWND edit) {
    notifyParent(edit, EN_UPDATE);
    notifyParent(edit, EN_CHANGE);
}

// Replaces the selection with `inserted`. Typing (honourLimits) takes only
// what the text limit and, for a fixed single line, the width allow.
void replaceSelection(HWND edit, std::u16string inserted, bool honourLimits) {
    Window* w = findWindow(edit);
    if (w == nullptr) {
        return;
    }
    EditData& e = w->edit;
    const std::size_t start = selectionStart(e), end = selectionEnd(e);
    const std::size_t kept = w->text.size() - (end - start);
    bool truncated = false;
    if (honourLimits) {
        std::size_t room = e.limit > kept ? e.limit - kept : 0;
        if (!(w->style & ES_MULTILINE) && !(w->style & ES_AUTOHSCROLL)) {
            std::size_t fit = fittingCharacters(edit, *w);
            room = std::min(room, fit > kept ? fit - kept : 0);
        }
        if (inserted.size() > room) {
            inserted.resize(room);
            truncated = true;
        }
    }
    if (inserted.empty() && start == end) {
        if (truncated) {
            notifyParent(edit, EN_MAXTEXT);
        }
        return;
    }
    w->text = w->text.substr(0, start) + inserted + w->text.substr(end);
    e.anchor = e.caret = start + inserted.size();
    InvalidateRect(edit, nullptr, TRUE);
    notifyChange(edit);
    if (truncated) {
        notifyParent(edit, EN_MAXTEXT);
    }
}

void typeCharacter(HWND edit, Window& w, char16_t c) {
    if (w.style & ES_READONLY) {
        return;
    }
    if (c == 8) {
        // Backspace deletes the selection, or the character before the caret.
        if (w.edit.anchor == w.edit.caret && w.edit.caret > 0) {
            w.edit.anchor = w.edit.caret - 1;
        }
        replaceSelection(edit, std::u16string(), false);
        return;
    }
    if (c < 0x20) {
        return;  // other control characters do not go into the text
    }
    replaceSelection(edit, std::u16string(1, c), true);
}

void paint(HWND edit) {
    PAINTSTRUCT ps;
    HDC dc = beginControlPaint(edit, ps);
    Window* w = findWindow(edit);
    if (dc != nullptr && w != nullptr) {
        RECT r{};
        GetClientRect(edit, &r);
        const int inset = kMarginWidth + ((w->style & WS_BORDER) ? kBorderWidth : 0);
        r.left += inset;
        r.right -= inset;
        UINT format = DT_NOPREFIX | ((w->style & ES_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE);
        std::u16string text = w->text;
        DrawTextExW(dc, text.data(), static_cast<int>(text.size()), &r, format, nullptr);
    }
    EndPaint(edit, &ps);
}

void setText(HWND edit, Window& w, const char16_t* text) {
    w.text = text != nullptr ? std::u16string(text) : std::u16string();
    w.edit.anchor = w.edit.caret = 0;
    InvalidateRect(edit, nullptr, TRUE);
    // A single-line edit reports a new text as a change.
    if (!(w.style & ES_MULTILINE)) {
        notifyChange(edit);
    }
}

// -1 as the start removes the selection; other values are taken unsigned (so
// -1 as the end is the end of the text) and clamped.
void setSelection(HWND edit, Window& w, UINT start, UINT end) {
    const std::size_t length = w.text.size();
    if (start == static_cast<UINT>(-1)) {
        w.edit.anchor = w.edit.caret;
    } else {
        w.edit.anchor = std::min<std::size_t>(start, length);
        w.edit.caret = std::min<std::size_t>(end, length);
    }
    InvalidateRect(edit, nullptr, FALSE);
}

LRESULT getSelection(const EditData& e, DWORD* startOut, DWORD* endOut) {
    const auto start = static_cast<DWORD>(selectionStart(e)),
               end = static_cast<DWORD>(selectionEnd(e));
    if (startOut != nullptr) {
        *startOut = start;
    }
    if (endOut != nullptr) {
        *endOut = end;
    }
    return MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF));
}

// A click takes the focus and puts the caret at the nearest character
// boundary (the window may be gone once the focus has moved).
void clickAt(HWND edit, int clientX) {
    SetFocus(edit);
    if (Window* after = findWindow(edit)) {
        FontMetrics m = fontMetrics(after->font);
        int x = clientX - kMarginWidth - ((after->style & WS_BORDER) ? kBorderWidth : 0);
        std::size_t at =
            x <= 0 ? 0 : static_cast<std::size_t>((x + m.averageWidth / 2) / m.averageWidth);
        after->edit.anchor = after->edit.caret = std::min(at, after->text.size());
    }
}

}  // namespace

LRESULT CALLBACK editClassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = findWindow(edit);
    if (w == nullptr) {
        return 0;
    }
    EditData& e = w->edit;
    switch (message) {
        case WM_CREATE:
            e = EditData{};
            e.limit = kDefaultLimit;
            return 0;
        case WM_GETDLGCODE: {
            LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
            return (w->style & ES_MULTILINE) ? code | DLGC_WANTALLKEYS : code;
        }
        case WM_SETTEXT:
            setText(edit, *w, reinterpret_cast<const char16_t*>(lParam));
            return TRUE;
        case EM_SETSEL:
            setSelection(edit, *w, static_cast<UINT>(wParam), static_cast<UINT>(lParam));
            return 0;
        case EM_GETSEL:
            return getSelection(e, reinterpret_cast<DWORD*>(wParam),
                                reinterpret_cast<DWORD*>(lParam));
        case EM_REPLACESEL: {
            auto* text = reinterpret_cast<const char16_t*>(lParam);
            replaceSelection(edit, text != nullptr ? std::u16string(text) : std::u16string(), true);
            return 0;
        }
        case EM_LIMITTEXT:
            e.limit = wParam == 0 ? kLargestLimit : std::min<std::size_t>(wParam, kLargestLimit);
            return 0;
        case EM_GETLIMITTEXT:
            return static_cast<LRESULT>(e.limit);
        case WM_CHAR:
            typeCharacter(edit, *w, static_cast<char16_t>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
            clickAt(edit, GET_X_LPARAM(lParam));
            return 0;
        case WM_SETFOCUS:
            InvalidateRect(edit, nullptr, FALSE);
            notifyParent(edit, EN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            InvalidateRect(edit, nullptr, FALSE);
            notifyParent(edit, EN_KILLFOCUS);
            return 0;
        case WM_ENABLE:
            InvalidateRect(edit, nullptr, TRUE);
            return 0;
        case WM_PAINT:
            paint(edit);
            return 0;
        default:
            return DefWindowProcW(edit, message, wParam, lParam);
    }
}

}  // namespace kvr::headless
