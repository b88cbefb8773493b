#include "testing/catalogue_values.h"

#include "catalogue/module_texts.h"
#include "ruby/calls.h"
#include "ruby/convert.h"
#include "ruby/method.h"
#include "testing/ruby_values.h"
#include "text/wide_string.h"

namespace kvr::testing {

namespace {

rb::Value Utf8ToRuby(const char* utf8) {
    return WideToRuby(text::utf8ToWide(utf8));
}

rb::Value Catalogue(rb::Value) {
    rb::Value dialogs = NewArray();
    for (const texts::DialogTexts& dialog : texts::moduleTexts()) {
        rb::Value item = NewArray();
        Push(dialogs, item);
        Push(item, Utf8ToRuby(dialog.method));
        Push(item, rb::integer(dialog.templateId));
        rb::Value uses = NewArray();
        Push(item, uses);
        for (const texts::TextUse& use : dialog.texts) {
            rb::Value entry = NewArray();
            Push(uses, entry);
            Push(entry, Utf8ToRuby(use.key));
            Push(entry, rb::integer(use.controlId));
            Push(entry, rb::boolValue(use.translatable));
        }
    }
    return dialogs;
}

}  // namespace

void DefineCatalogueMethod(rb::Value driver) {
    rb::defineSingletonMethod<&Catalogue>(driver, "catalogue");
}

}  // namespace kvr::testing
