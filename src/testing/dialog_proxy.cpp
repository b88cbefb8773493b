#include "testing/dialog_proxy.h"

#include <map>
#include <string>

#include "framework/cursor.h"
#include "framework/dialog.h"
#include "ruby/calls.h"
#include "ruby/convert.h"
#include "ruby/method.h"
#include "testing/dialog_state.h"
#include "testing/dialog_timing.h"
#include "testing/keyboard_input.h"
#include "testing/painted_font.h"
#include "testing/pointer_input.h"
#include "testing/ruby_values.h"
#include "testing/screenshot.h"

namespace kvr::testing {

namespace {

// Proxies handed out and the dialog windows they stand for; an entry lives
// only while the proxy's block runs.
std::map<long, HWND>& liveProxies() {
    static std::map<long, HWND> proxies;
    return proxies;
}
long nextToken = 1;

}  // namespace

HWND DialogOf(rb::Value self) {
    rb::Value token = rb::ivarGet(self, "@token");
    auto it = rb::isNil(token) ? liveProxies().end() : liveProxies().find(rb::toLong(token));
    if (it == liveProxies().end() || !IsWindow(it->second)) {
        rb::raiseError("RuntimeError",
                       "the dialog is closed; a dialog can be used only inside its block");
    }
    return it->second;
}

namespace {

// The dialog for an action of the user's: one that has ended is hidden (its
// window lives on until the modal loop returns) and takes no more input.
HWND ActiveDialogOf(rb::Value self) {
    HWND dialog = DialogOf(self);
    if (DialogHasEnded(dialog)) {
        rb::raiseError("RuntimeError",
                       "the dialog has ended; it takes no more input from its block");
    }
    return dialog;
}

HWND ControlOf(HWND dialog, rb::Value id) {
    HWND control = GetDlgItem(dialog, static_cast<int>(rb::toLong(id)));
    if (control == nullptr) {
        std::string message = "the dialog has no control " + std::to_string(rb::toLong(id));
        rb::raiseError("ArgumentError", message.c_str());
    }
    return control;
}

text::WideString WindowText(HWND window) {
    int length = GetWindowTextLengthW(window);
    text::WideString text(static_cast<std::size_t>(length) + 1, text::WideChar(0));
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

rb::Value ClassName(rb::Value self) {
    ui::CDialog* dialog = ui::CDialog::FromDialogHandle(DialogOf(self));
    return dialog ? rb::newString(dialog->GetRuntimeClass()->m_lpszClassName) : rb::nil();
}

rb::Value TemplateId(rb::Value self) {
    ui::CDialog* dialog = ui::CDialog::FromDialogHandle(DialogOf(self));
    return dialog ? rb::integer(static_cast<long>(dialog->templateId())) : rb::nil();
}

rb::Value Caption(rb::Value self) {
    return WideToRuby(WindowText(DialogOf(self)));
}

rb::Value Text(rb::Value self, rb::Value id) {
    return WideToRuby(WindowText(ControlOf(DialogOf(self), id)));
}

rb::Value IsChecked(rb::Value self, rb::Value id) {
    return rb::boolValue(SendMessageW(ControlOf(DialogOf(self), id), BM_GETCHECK, 0, 0) ==
                         BST_CHECKED);
}

rb::Value IsEnabled(rb::Value self, rb::Value id) {
    return rb::boolValue(IsWindowEnabled(ControlOf(DialogOf(self), id)) != FALSE);
}

rb::Value IsVisible(rb::Value self, rb::Value id) {
    return rb::boolValue(IsWindowVisible(ControlOf(DialogOf(self), id)) != FALSE);
}

rb::Value Focus(rb::Value self) {
    HWND dialog = DialogOf(self);
    HWND focus = GetFocus();
    return focus != nullptr && GetParent(focus) == dialog ? rb::integer(GetDlgCtrlID(focus))
                                                          : rb::nil();
}

rb::Value Selection(rb::Value self, rb::Value id) {
    DWORD start = 0, end = 0;
    SendMessageW(ControlOf(DialogOf(self), id), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    rb::Value range = NewArray();
    Push(range, rb::integer(static_cast<long>(start)));
    Push(range, rb::integer(static_cast<long>(end)));
    return range;
}

rb::Value Font(rb::Value self, rb::Value id) {
    HWND dialog = DialogOf(self);
    HWND control = ControlOf(dialog, id);
    // A control bound to an object may paint itself, in a font it selects:
    // repaint it and see which font its text was drawn in.
    HFONT painted = PaintedTextFont(control);
    HFONT font = ui::CWnd::FromAttachedHandle(control) != nullptr ? painted : nullptr;
    if (font == nullptr) {
        font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    }
    if (font == nullptr ||
        font == reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0))) {
        return rb::nil();
    }
    LOGFONTW description{};
    if (GetObjectW(font, sizeof description, &description) == 0) {
        return rb::nil();
    }
    return FontHash(description);
}

rb::Value HasHandCursor(rb::Value self, rb::Value id) {
    HWND dialog = DialogOf(self);
    HCURSOR shown = CursorAtPoint(dialog, ControlCentre(dialog, ControlOf(dialog, id)));
    return rb::boolValue(ui::IsModuleHandCursor(shown));
}

rb::Value Click(rb::Value self, rb::Value id) {
    HWND dialog = ActiveDialogOf(self);
    POINT centre = ControlCentre(dialog, ControlOf(dialog, id));
    PressAndRelease(dialog, centre, centre);
    return rb::nil();
}

// BM_CLICK sent to the control itself, as another program could: reaches a
// hidden control, which no pointer or key can.
rb::Value ClickMessage(rb::Value self, rb::Value id) {
    SendMessageW(ControlOf(ActiveDialogOf(self), id), BM_CLICK, 0, 0);
    return rb::nil();
}

rb::Value Drag(rb::Value self, rb::Value fromId, rb::Value toId) {
    HWND dialog = ActiveDialogOf(self);
    PressAndRelease(dialog, ControlCentre(dialog, ControlOf(dialog, fromId)),
                    ControlCentre(dialog, ControlOf(dialog, toId)));
    return rb::nil();
}

rb::Value Type(rb::Value self, rb::Value id, rb::Value textValue) {
    HWND dialog = ActiveDialogOf(self);
    HWND control = ControlOf(dialog, id);
    text::WideString typed = RubyToWide(textValue);
    // Into the box as the Tab key would enter it (the whole text selected),
    // then key by key.
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    TypeCharacters(control, typed);
    return rb::nil();
}

rb::Value Key(rb::Value self, rb::Value name) {
    HWND dialog = ActiveDialogOf(self);
    static const std::map<std::string, int> keys = {
        {"enter", VK_RETURN}, {"escape", VK_ESCAPE}, {"tab", VK_TAB},  {"left", VK_LEFT},
        {"right", VK_RIGHT},  {"up", VK_UP},         {"down", VK_DOWN}};
    std::string key = NameOf(name);
    auto found = keys.find(key);
    if (key == "space") {
        PressSpace(dialog);
    } else if (key == "shift_tab") {
        PressShiftTab(dialog);
    } else if (found != keys.end()) {
        PressKey(dialog, found->second);
    } else {
        rb::raiseError("ArgumentError",
                       "key takes :enter, :escape, :tab, :shift_tab, :space, :left, :right, :up "
                       "or :down");
    }
    return rb::nil();
}

rb::Value Close(rb::Value self) {
    SendMessageW(ActiveDialogOf(self), WM_CLOSE, 0, 0);
    return rb::nil();
}

rb::Value Settle(rb::Value self) {
    SettleDialog(DialogOf(self));
    return rb::nil();
}

rb::Value Screenshot(rb::Value self, rb::Value path) {
    HWND dialog = DialogOf(self);
    std::string file(rb::stringBytes(path).view());
    if (!SaveScreenshot(dialog, file)) {
        rb::raiseError("RuntimeError", "no screenshot could be made on this window system");
    }
    return rb::nil();
}

}  // namespace

void DefineDialogProxyClass(rb::Value driverModule) {
    rb::Value klass = rb::call(driverModule, "const_get", rb::evalString(":Dialog"));
    rb::defineMethod<&ClassName>(klass, "class_name");
    rb::defineMethod<&TemplateId>(klass, "template_id");
    rb::defineMethod<&Caption>(klass, "caption");
    rb::defineMethod<&Text>(klass, "text");
    rb::defineMethod<&IsChecked>(klass, "checked?");
    rb::defineMethod<&IsEnabled>(klass, "enabled?");
    rb::defineMethod<&IsVisible>(klass, "visible?");
    rb::defineMethod<&Focus>(klass, "focus");
    rb::defineMethod<&Selection>(klass, "selection");
    rb::defineMethod<&Font>(klass, "font");
    rb::defineMethod<&HasHandCursor>(klass, "hand_cursor?");
    rb::defineMethod<&Click>(klass, "click");
    rb::defineMethod<&ClickMessage>(klass, "click_message");
    rb::defineMethod<&Drag>(klass, "drag");
    rb::defineMethod<&Type>(klass, "type");
    rb::defineMethod<&Key>(klass, "key");
    rb::defineMethod<&Close>(klass, "close");
    rb::defineMethod<&Settle>(klass, "settle");
    rb::defineMethod<&Screenshot>(klass, "screenshot");
}

DialogProxyLease::DialogProxyLease(HWND dialog) : token_(nextToken++), proxy_(rb::nil()) {
    liveProxies()[token_] = dialog;
    proxy_ = rb::call(rb::evalString("KVRGUITest::Dialog"), "new", rb::integer(token_));
}

// Plain bookkeeping, no call into Ruby: safe while an exception unwinds.
DialogProxyLease::~DialogProxyLease() {
    liveProxies().erase(token_);
}

}  // namespace kvr::testing
