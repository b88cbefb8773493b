// The method table: each Ruby-visible method defined on its class, in the
// order the classes expose them. Every body runs in the guarded outermost
// frame of ruby/method.h.

#include "entry/methods.h"
#include "ruby/method.h"

namespace kvr::entry {

void DefineKvrguiMethods(rb::Value kvrgui) {
    rb::defineMethod<&ShowOptions>(kvrgui, "KVRGUIShowOptions");
    rb::defineMethod<&ShowAbout>(kvrgui, "KVRGUIShowAbout");
    rb::defineMethod<&ShowErrorWithHlink>(kvrgui, "KVRGUIShowErrorWithHlink");
    rb::defineMethod<&ShowError>(kvrgui, "KVRGUIShowError");
    rb::defineMethod<&ShowConstraint>(kvrgui, "KVRGUIShowConstraint");
}

void DefineLangHandlerMethods(rb::Value langHandlerClass) {
    rb::defineMethod<&GetString>(langHandlerClass, "GetString");
}

}  // namespace kvr::entry
