// What the dialog benchmark needs from the driver: a clock, and a plain dialog
// of one of the module's templates that goes through the same driver
// machinery as the module's own dialogs, so that the two can be compared
// (test builds only).
//
//   KVRGUITest.now             a monotonic clock, in seconds
//   KVRGUITest.plain_dialog(id) DialogBoxIndirectParamW of template id with a
//                              dialog procedure that does nothing of its own;
//                              once the dialog is shown, the next block queued
//                              with on_dialog runs on it, exactly as on one of
//                              the module's dialogs (shown, then the block with
//                              a proxy); the dialog ends when the block has
//                              returned, or on OK or Cancel. true; nil when
//                              the module has no such template
//   dialog.settle              paints what is pending, now
//
// "Shown" is the same on both sides: a message posted from WM_INITDIALOG has
// come through the queue and the dialog is visible.
#pragma once

#include "win_api/win_api.h"
#include "ruby/ruby_value.h"

namespace kvr::testing {

void DefineDialogTiming(rb::Value driverModule);

// Shows the dialog if the dialog manager has not yet, and paints what waits.
void SettleDialog(HWND dialog);

}  // namespace kvr::testing
