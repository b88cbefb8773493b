// The texts of the two error dialogs: the English keys of their fixed texts
// (from their key arrays, dialog_texts.h)
// and the message the plug-in hands over, as UTF-8 bytes.
#pragma once

#include <string>

#include "catalogue/dialog_texts.h"
#include "framework/controls.h"
#include "framework/font.h"
#include "ruby/ruby_value.h"
#include "text/wide_string.h"

namespace kvr::dialogs {

struct ErrorDialogTexts {
    // Shown when the plug-in's message has no character data.
    std::string message = "ERROR";
    const char* linkTextKey = texts::kKey<texts::kErrorWithLinkTexts, IDC_ERROR_HLINK_LINK>;
    const char* linkAddressKey =
        texts::kKey<texts::kErrorWithLinkTexts, IDC_ERROR_HLINK_LINK, texts::kAddress>;
    // Both boxes' title and OK button (error_dialog_texts.cpp checks that the
    // two key arrays agree).
    const char* titleKey = texts::kKey<texts::kErrorTexts, 0>;
    const char* sentenceKey = texts::kKey<texts::kErrorWithLinkTexts, IDC_ERROR_HLINK_SENTENCE>;
    const char* okKey = texts::kKey<texts::kErrorTexts, texts::kOkButton>;

    // Takes the message from Ruby: a String's bytes up to its first NUL (one
    // without character data leaves the message as it is); any other object
    // as its to_s. A Ruby exception from to_s comes out as a RubyError.
    void TransferMessage(rb::Value message);
};

// What both error dialogs have: the message control with its font, the
// looked-up title and OK caption, and the texts record.
struct ErrorDialogParts {
    ErrorDialogParts();

    // Puts the message on its control: the message font, then the looked-up
    // message (a message that is a key of the strings file shows translated).
    void ShowMessage();

    ui::CStatic messageControl;
    ui::CFont messageFont;
    text::WideString title;
    text::WideString okCaption;
    ErrorDialogTexts texts;
};

}  // namespace kvr::dialogs
