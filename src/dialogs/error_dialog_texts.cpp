#include "dialogs/error_dialog_texts.h"

#include "dialogs/lookup.h"
#include "ruby/convert.h"

namespace kvr::dialogs {

void ErrorDialogTexts::TransferMessage(rb::Value value) {
    rb::Value string = value;
    if (!rb::isString(value)) {
        string = rb::asString(value);
    }
    rb::StringBytes bytes = rb::stringBytes(string);
    if (bytes.hasBuffer()) {
        message.assign(bytes.data, bytes.size);
    }
}

void CreateMessageFont(ui::CFont& font) {
    font.CreateFont(15, 0, 0, 0, FW_THIN, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                    KVR_WIDE("MS Shell Dlg"));
}

void ShowMessage(ui::CStatic& control, const ui::CFont& font, const ErrorDialogTexts& texts) {
    // Without a font the control keeps drawing with the dialog's.
    if (font.handle() != nullptr) {
        control.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.handle()), TRUE);
    }
    control.SetWindowText(Lookup(texts.message.c_str()));
}

}  // namespace kvr::dialogs
