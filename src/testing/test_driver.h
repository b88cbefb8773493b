// The test driver: a Ruby module KVRGUITest, compiled into test builds only,
// through which a Ruby test acts as the user of the module's dialogs.
//
//   KVRGUITest.on_dialog { |d| ... }  queue a block for the next dialog that
//                                     opens; it runs inside the modal loop once
//                                     the dialog is shown
//   KVRGUITest.live_dialogs           dialog windows the framework runs that
//                                     are alive now (0 between calls)
//   KVRGUITest.resource_depth         resource scopes in effect (0 between calls)
//   KVRGUITest.shell_opens            addresses handed to the shell, oldest first
//   KVRGUITest.unhandled              dialogs that were still open when their
//                                     block returned (or that had no block)
//   KVRGUITest.native_failures        native failures (a C++ exception such as
//                                     bad_alloc) that a method's outermost frame
//                                     swallowed: the method returned nil as if
//                                     cancelled
//   KVRGUITest.fail_natively          a method whose body fails natively
//   KVRGUITest.now, .plain_dialog(id)  for the dialog benchmark
//                                     (testing/dialog_timing.h)
//   KVRGUITest.reset                  drops queued blocks, launches, the counts
//
// A dialog still open when its block returns is closed as the close box
// would close it.
#pragma once

#include "win_api/win_api.h"

namespace kvr::testing {

void DefineTestDriver();

// Runs the next block queued with on_dialog, if any, with a proxy for the
// dialog window; a Ruby exception from the block comes out as a RubyError.
void RunNextDialogBlock(HWND dialog);

}  // namespace kvr::testing
