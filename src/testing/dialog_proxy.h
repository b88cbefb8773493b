// KVRGUITest::Dialog: what a test's block receives. It acts on the dialog
// window as the user would and reads what the user sees; it is usable only
// while its block runs.
#pragma once

#include "win_api/win_api.h"
#include "ruby/ruby_value.h"

namespace kvr::testing {

// The dialog window a proxy stands for; raises (as a RubyError) once its block
// has returned.
HWND DialogOf(rb::Value proxy);

// Defines the class under the driver module.
void DefineDialogProxyClass(rb::Value driverModule);

// A proxy for a dialog window, usable while the lease lives.
class DialogProxyLease {
public:
    explicit DialogProxyLease(HWND dialog);
    ~DialogProxyLease();
    DialogProxyLease(const DialogProxyLease&) = delete;
    DialogProxyLease& operator=(const DialogProxyLease&) = delete;

    rb::Value proxy() const { return proxy_; }

private:
    long token_;
    rb::Value proxy_;
};

}  // namespace kvr::testing
