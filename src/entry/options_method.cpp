// KVRGUI#KVRGUIShowOptions: the options dialog for the plug-in object in the
// method frame; nil, whichever way the dialog was closed.

#include "entry/method_frame.h"
#include "entry/methods.h"
#include "options/options_dialog.h"

namespace kvr::entry {

rb::Value ShowOptions(rb::Value, rb::Value pluginObject) {
    return RunInMethodFrame<options::KVRGUIOptionsDialog>(NoPreparation{}, NilResult{},
                                                          pluginObject);
}

}  // namespace kvr::entry
