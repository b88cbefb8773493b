// What the dialog benchmark measures with the driver: a clock, and the time a
// plain dialog of one of the module's templates takes to be shown, idle and
// painted, for comparison with the module's own dialogs (test builds only).
//
//   KVRGUITest.now                      a monotonic clock, in seconds
//   KVRGUITest.plain_dialog_seconds(id) DialogBoxIndirectParamW of template id
//                                       with a dialog procedure that does
//                                       nothing: seconds from the call until
//                                       the dialog is idle and painted; nil
//                                       when the module has no such template
//   dialog.settle                       paints what is pending, now
//
// "Idle and painted" is the same on both sides: a message posted from
// WM_INITDIALOG has come through the queue, the dialog is visible, and every
// part of it still waiting to be painted has been painted.
#pragma once

#include "win_api/win_api.h"
#include "ruby/ruby_value.h"

namespace kvr::testing {

void DefineDialogTiming(rb::Value driverModule);

// Shows the dialog if the dialog manager has not yet, and paints what waits.
void SettleDialog(HWND dialog);

}  // namespace kvr::testing
