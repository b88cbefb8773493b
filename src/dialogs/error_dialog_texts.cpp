#include "dialogs/error_dialog_texts.h"

#include "strings/lookup.h"
#include "ruby/convert.h"

namespace kvr::dialogs {

using strings::Lookup;

// The two boxes share one texts record: their title and OK button are one.
static_assert(texts::kKey<texts::kErrorTexts, 0> == texts::kKey<texts::kErrorWithLinkTexts, 0>);
static_assert(texts::kKey<texts::kErrorTexts, texts::kOkButton> ==
              texts::kKey<texts::kErrorWithLinkTexts, texts::kOkButton>);

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

ErrorDialogParts::ErrorDialogParts() {
    messageFont.CreateFont(15, 0, 0, 0, FW_THIN, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                           KVR_WIDE("MS Shell Dlg"));
    title = Lookup(texts.titleKey);
    okCaption = Lookup(texts.okKey);
}

void ErrorDialogParts::ShowMessage() {
    // Without its font the control keeps drawing with the dialog's.
    if (messageFont.handle() != nullptr) {
        messageControl.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(messageFont.handle()),
                                   TRUE);
    }
    messageControl.SetWindowText(Lookup(texts.message.c_str()));
}

}  // namespace kvr::dialogs
