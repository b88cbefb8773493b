#include "testing/dialog_timing.h"

#include <chrono>

#include "framework/resource_scope.h"
#include "ruby/convert.h"
#include "ruby/method.h"
#include "ruby/protect.h"
#include "ruby/ruby_api.h"
#include "testing/ruby_values.h"

namespace kvr::testing {

namespace {

using Clock = std::chrono::steady_clock;

constexpr UINT kSettledMessage = WM_APP + 0x4B;

struct PlainRun {
    Clock::time_point settled;
};

INT_PTR CALLBACK PlainDialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        PostMessageW(window, kSettledMessage, 0, 0);
        return TRUE;
    }
    if (message == kSettledMessage) {
        SettleDialog(window);
        reinterpret_cast<PlainRun*>(GetWindowLongPtrW(window, DWLP_USER))->settled = Clock::now();
        EndDialog(window, IDOK);
        return TRUE;
    }
    return FALSE;
}

rb::Value Now(rb::Value) {
    const double seconds = std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
    return rb::protect([seconds] { return rb_float_new(seconds); });
}

rb::Value PlainDialogSeconds(rb::Value, rb::Value templateId) {
    const long id = rb::toLong(templateId);
    ui::ResourceScope resources;
    HMODULE module = ui::ThisModule();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG);
    const void* bytes = found ? LockResource(LoadResource(module, found)) : nullptr;
    if (id <= 0 || id > 0xFFFF || bytes == nullptr) {
        return rb::nil();
    }
    PlainRun run;
    const Clock::time_point start = Clock::now();
    DialogBoxIndirectParamW(module, static_cast<LPCDLGTEMPLATEW>(bytes), nullptr, &PlainDialogProc,
                            reinterpret_cast<LPARAM>(&run));
    const double seconds = std::chrono::duration<double>(run.settled - start).count();
    return rb::protect([seconds] { return rb_float_new(seconds); });
}

}  // namespace

void SettleDialog(HWND dialog) {
    if (!IsWindowVisible(dialog)) {
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void DefineDialogTiming(rb::Value driverModule) {
    rb::defineSingletonMethod<&Now>(driverModule, "now");
    rb::defineSingletonMethod<&PlainDialogSeconds>(driverModule, "plain_dialog_seconds");
}

}  // namespace kvr::testing
