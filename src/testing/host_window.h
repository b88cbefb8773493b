// A top-level window standing for the host application's main window (Win32
// builds of the driver only). A test makes it the active window before a
// KVRGUI call and checks what the user would see: the dialog is owned by it,
// it is disabled while the dialog runs, a dialog whose template leaves the
// position to the framework sits centred over it, and it is enabled and
// active again once the call returns.
//
//   KVRGUITest.show_host_window([left, top, width, height])   make it, activate it
//   KVRGUITest.host_window        {enabled:, active:, rect: [l, t, r, b]}, or nil
//   KVRGUITest.close_host_window
//   d.owned_by_host?              the dialog's owner is the host window
//   d.window_rect                 the dialog's [left, top, right, bottom]
#pragma once

#include "ruby/ruby_value.h"

namespace kvr::testing {

void DefineHostWindowMethods(rb::Value driverModule, rb::Value dialogProxyClass);

}  // namespace kvr::testing
