#include "testing/text_fit.h"

#include <string>

#include "win_api/win_api.h"
#include "ruby/calls.h"
#include "ruby/convert.h"
#include "ruby/method.h"
#include "testing/dialog_proxy.h"
#include "testing/drawn_text.h"
#include "testing/ruby_values.h"
#include "text/wide_string.h"

namespace kvr::testing {

namespace {

// The gap Windows leaves between a check mark and its text.
constexpr int kCheckTextGap = 3;

struct Measure {
    bool wraps = false;
    int width = 0;  // the width the text may take
    int height = 0;
    int left = 0;                 // where that width starts in the client rectangle
    const char* kind = "static";  // "static", "check box", "radio button", "push button"
    bool prefix = true;           // "&" marks a mnemonic and takes no room
};

// How a control lays its text out, or false for a control that shows none of
// its own (edit boxes, pictures, group boxes).
bool LayoutOf(HWND control, Measure& m) {
    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    RECT client{};
    GetClientRect(control, &client);
    m.width = client.right - client.left;
    m.height = client.bottom - client.top;
    if (lstrcmpiW(className, L"Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        m.prefix = (style & SS_NOPREFIX) == 0;
        if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
            // A vertically centred text static draws one line.
            m.wraps = (style & SS_CENTERIMAGE) == 0;
            return true;
        }
        return type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE;
    }
    if (lstrcmpiW(className, L"Button") == 0) {
        const LONG type = style & BS_TYPEMASK;
        const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
        switch (type) {
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_RADIOBUTTON:
            case BS_3STATE:
            case BS_AUTO3STATE:
            case BS_AUTORADIOBUTTON:
                m.kind = radio ? "radio button" : "check box";
                m.left = GetSystemMetrics(SM_CXMENUCHECK) + kCheckTextGap;
                m.width -= m.left;
                break;
            case BS_PUSHBUTTON:
            case BS_DEFPUSHBUTTON:
                m.kind = "push button";
                m.left = GetSystemMetrics(SM_CXEDGE);
                m.width -= 2 * m.left;
                break;
            default:
                return false;
        }
        m.wraps = (style & BS_MULTILINE) != 0;
        return true;
    }
    return false;
}

std::string FaceOf(HDC dc) {
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return text::wideToUtf8(reinterpret_cast<const text::WideChar*>(face)) + " " +
           std::to_string(metrics.tmHeight) + "px";
}

// The rectangle the text may take, in the coordinates of the dialog's
// window as its screenshot shows it (frame included).
rb::Value BoxOf(HWND control, const Measure& m) {
    RECT window{};
    GetWindowRect(GetParent(control), &window);
    POINT origin{m.left, 0};
    ClientToScreen(control, &origin);
    const int left = origin.x - window.left;
    const int top = origin.y - window.top;
    rb::Value box = NewArray();
    for (int v : {left, top, left + m.width, top + m.height}) {
        Push(box, rb::integer(v));
    }
    return box;
}

rb::Value FitOf(int id, HWND control, const Measure& m, const text::WideString& caption) {
    HDC dc = GetDC(control);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    RECT needed{0, 0, m.width > 0 ? m.width : 0, 0};
    UINT format = DT_CALCRECT | DT_EXPANDTABS | (m.wraps ? DT_WORDBREAK : DT_SINGLELINE);
    if (!m.prefix) {
        format |= DT_NOPREFIX;
    }
    DrawTextW(dc, reinterpret_cast<LPCWSTR>(caption.c_str()), static_cast<int>(caption.size()),
              &needed, format);
    // A wrapped text breaks where the measuring calls say, as the control's
    // own DrawText does, so its height (and the width of a word too long for
    // a line) is theirs; a one-line text's width is what is drawn.
    const bool byHeight = m.wraps && needed.right <= m.width;
    const int width =
        m.wraps ? needed.right
                : DrawnTextWidth(dc, font, caption, format & (DT_NOPREFIX | DT_EXPANDTABS));
    const std::string face = FaceOf(dc);
    if (previous) {
        SelectObject(dc, previous);
    }
    ReleaseDC(control, dc);

    // A wrapped text overflows by its height, unless a single word is wider
    // than the control: then by its width.
    rb::Value fit = rb::evalString("{}");
    const auto store = [&](const char* key, rb::Value value) {
        rb::call(fit, "store", rb::newString(key), value);
    };
    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    store("id", rb::integer(id));
    store("class", rb::newString(text::wideToUtf8(reinterpret_cast<text::WideChar*>(className))));
    store("text", rb::newString(text::wideToUtf8(caption)));
    store("measure", rb::newString(byHeight ? "height" : "width"));
    store("needed", rb::integer(byHeight ? needed.bottom : width));
    store("available", rb::integer(byHeight ? m.height : m.width));
    // The width the measuring calls give: the window system centres and
    // clips a line by it, so where it exceeds the room, a centred text that
    // fits as drawn is still pushed against the control's left edge.
    store("laid_out", rb::integer(needed.right));
    store("font", rb::newString(face));
    store("kind", rb::newString(m.kind));
    store("box", BoxOf(control, m));
    store("focused", rb::boolValue(GetFocus() == control));
    return fit;
}

rb::Value TextFits(rb::Value self) {
    HWND dialog = DialogOf(self);
    rb::Value fits = NewArray();
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        Measure m;
        if (!IsWindowVisible(control) || !LayoutOf(control, m)) {
            continue;
        }
        const int length = GetWindowTextLengthW(control);
        if (length <= 0) {
            continue;
        }
        text::WideString caption(static_cast<std::size_t>(length) + 1, text::WideChar(0));
        caption.resize(static_cast<std::size_t>(
            GetWindowTextW(control, reinterpret_cast<LPWSTR>(caption.data()), length + 1)));
        Push(fits, FitOf(GetDlgCtrlID(control), control, m, caption));
    }
    return fits;
}

}  // namespace

void DefineTextFitMethod(rb::Value dialogProxyClass) {
    rb::defineMethod<&TextFits>(dialogProxyClass, "text_fits");
}

}  // namespace kvr::testing
