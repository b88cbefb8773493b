#include "testing/test_driver.h"

#include <new>
#include <vector>

#include "framework/dialog.h"
#include "framework/modal_hook.h"
#include "framework/resource_scope.h"
#include "framework/shell.h"
#include "ruby/calls.h"
#include "ruby/convert.h"
#include "ruby/method.h"
#include "testing/catalogue_values.h"
#include "testing/dialog_proxy.h"
#include "testing/dialog_state.h"
#include "testing/host_window.h"
#include "testing/painted_font.h"
#include "testing/text_fit.h"
#include "testing/dialog_timing.h"
#include "testing/ruby_values.h"

namespace kvr::testing {

namespace {

long unhandledDialogs = 0;

// The queue of blocks lives in Ruby (reachable by the garbage collector).
constexpr const char* kDriverSource = R"RUBY(
module KVRGUITest
  @queue = []
  class Dialog
    def initialize(token)
      @token = token
    end
  end
  def self.on_dialog(&block)
    raise ArgumentError, "on_dialog needs a block" unless block
    @queue.push(block)
    nil
  end
  def self.queued_blocks
    @queue
  end
end
)RUBY";

rb::Value DriverModule() {
    return rb::evalString("KVRGUITest");
}

// Stage 0: the dialog is shown; the test's block acts as the user. Stage 1,
// once what the block posted (a close box's Cancel, say) has been handled: a
// dialog still open was left by its block, and is closed as the close box
// would close it.
void OnDialogShown(ui::CDialog& dialog, int stage) {
    HWND window = dialog.m_hWnd;
    if (stage == 0) {
        RunNextDialogBlock(window);
        if (!DialogHasEnded(window)) {
            dialog.PostHookStage(1);
        }
    } else if (!DialogHasEnded(window)) {
        ++unhandledDialogs;
        SendMessageW(window, WM_CLOSE, 0, 0);
    }
}

rb::Value LiveDialogs(rb::Value) {
    return rb::integer(LiveFrameworkDialogs());
}

rb::Value ResourceDepth(rb::Value) {
    return rb::integer(ui::ResourceScope::Depth());
}

// The addresses the module handed to the shell, oldest first: a test build
// launches nothing.
std::vector<text::WideString>& RecordedShellOpens() {
    static std::vector<text::WideString> opened;
    return opened;
}

void RecordShellOpen(const text::WideString& address) {
    RecordedShellOpens().push_back(address);
}

rb::Value ShellOpens(rb::Value) {
    rb::Value addresses = NewArray();
    for (const auto& address : RecordedShellOpens()) {
        Push(addresses, WideToRuby(address));
    }
    return addresses;
}

rb::Value Unhandled(rb::Value) {
    return rb::integer(unhandledDialogs);
}

rb::Value NativeFailures(rb::Value) {
    return rb::integer(rb::swallowedNativeFailures());
}

// A native failure in a method body, as running out of memory would raise
// one: what the outermost frame does with it, for the driver's own test.
rb::Value FailNatively(rb::Value) {
    throw std::bad_alloc();
}

rb::Value Reset(rb::Value self) {
    rb::call(rb::call(self, "queued_blocks"), "clear");
    RecordedShellOpens().clear();
    unhandledDialogs = 0;
    rb::resetSwallowedNativeFailures();
    return rb::nil();
}

}  // namespace

void RunNextDialogBlock(HWND dialog) {
    rb::Value block = rb::call(rb::call(DriverModule(), "queued_blocks"), "shift");
    if (!rb::isNil(block)) {
        DialogProxyLease lease(dialog);
        rb::call(block, "call", lease.proxy());
    }
}

void DefineTestDriver() {
    rb::evalString(kDriverSource);
    rb::Value driver = DriverModule();
    rb::defineSingletonMethod<&LiveDialogs>(driver, "live_dialogs");
    rb::defineSingletonMethod<&ResourceDepth>(driver, "resource_depth");
    rb::defineSingletonMethod<&ShellOpens>(driver, "shell_opens");
    rb::defineSingletonMethod<&Unhandled>(driver, "unhandled");
    rb::defineSingletonMethod<&NativeFailures>(driver, "native_failures");
    rb::defineSingletonMethod<&FailNatively>(driver, "fail_natively");
    rb::defineSingletonMethod<&Reset>(driver, "reset");
    DefineDialogProxyClass(driver);
    DefineDialogTiming(driver);
    DefineCatalogueMethod(driver);
#if defined(_WIN32)
    DefineHostWindowMethods(driver, rb::call(driver, "const_get", rb::evalString(":Dialog")));
    DefineTextFitMethod(rb::call(driver, "const_get", rb::evalString(":Dialog")));
#endif
    ui::SetModalHook(&OnDialogShown);
    ui::SetShellOpener(&RecordShellOpen);
    RecordPaintedFonts();
}

}  // namespace kvr::testing
