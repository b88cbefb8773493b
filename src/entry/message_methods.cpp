// KVRGUI#KVRGUIShowError, #KVRGUIShowErrorWithHlink and #KVRGUIShowAbout:
// each shows its dialog in the method frame and returns nil, whichever way
// the dialog was closed.

#include "dialogs/about_dialog.h"
#include "dialogs/error_dialog.h"
#include "dialogs/error_dialog_with_hlink.h"
#include "entry/method_frame.h"
#include "entry/methods.h"

namespace kvr::entry {

namespace {

struct TransferMessage {
    rb::Value message;
    template <class Dialog>
    void operator()(Dialog& dialog) const {
        dialog.TransferMessage(message);
    }
};

}  // namespace

rb::Value ShowError(rb::Value, rb::Value message) {
    return RunInMethodFrame<dialogs::KVRGUIErrorDialog>(TransferMessage{message}, NilResult{});
}

rb::Value ShowErrorWithHlink(rb::Value, rb::Value message) {
    return RunInMethodFrame<dialogs::KVRGUIErrorDialogWithHLink>(TransferMessage{message},
                                                                 NilResult{});
}

rb::Value ShowAbout(rb::Value) {
    return RunInMethodFrame<dialogs::KVRGUIAboutDialog>(NoPreparation{}, NilResult{});
}

}  // namespace kvr::entry
