// The method table: the C functions Ruby calls, each the outermost frame of
// one method (see ruby_method.h), and their definition on the classes.

#include "entry/methods.h"
#include "entry/ruby_method.h"
#include "ruby/calls.h"

KVR_RUBY_METHOD_1(kvrgui_show_error_with_hlink, kvr::entry::ShowErrorWithHlink)
KVR_RUBY_METHOD_1(kvrgui_show_error, kvr::entry::ShowError)
KVR_RUBY_METHOD_0(kvrgui_show_about, kvr::entry::ShowAbout)
KVR_RUBY_METHOD_1(kvrgui_lang_handler_get_string, kvr::entry::GetString)

namespace kvr::entry {

void DefineKvrguiMethods(rb::Value kvrgui) {
    rb::defineMethod(kvrgui, "KVRGUIShowAbout", &kvrgui_show_about);
    rb::defineMethod(kvrgui, "KVRGUIShowErrorWithHlink", &kvrgui_show_error_with_hlink);
    rb::defineMethod(kvrgui, "KVRGUIShowError", &kvrgui_show_error);
}

void DefineLangHandlerMethods(rb::Value langHandlerClass) {
    rb::defineMethod(langHandlerClass, "GetString", &kvrgui_lang_handler_get_string);
}

}  // namespace kvr::entry
