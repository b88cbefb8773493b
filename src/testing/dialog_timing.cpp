#include "testing/dialog_timing.h"

#include <chrono>
#include <exception>

#include "framework/resource_scope.h"
#include "ruby/convert.h"
#include "ruby/method.h"
#include "ruby/protect.h"
#include "ruby/ruby_api.h"
#include "testing/ruby_values.h"
#include "testing/test_driver.h"

namespace kvr::testing {

namespace {

using Clock = std::chrono::steady_clock;

constexpr UINT kShownMessage = WM_APP + 0x4B;

// A failure of the block, carried out of the dialog procedure: no C++
// exception crosses the window system's frames.
struct PlainRun {
    std::exception_ptr failure;
};

INT_PTR CALLBACK PlainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            PostMessageW(window, kShownMessage, 0, 0);
            return TRUE;
        case kShownMessage: {
            // As the module's dialogs do before their hook runs.
            if (!IsWindowVisible(window)) {
                ShowWindow(window, SW_SHOWNORMAL);
                UpdateWindow(window);
            }
            auto* run = reinterpret_cast<PlainRun*>(GetWindowLongPtrW(window, DWLP_USER));
            try {
                RunNextDialogBlock(window);
            } catch (...) {
                run->failure = std::current_exception();
            }
            EndDialog(window, IDCANCEL);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(window, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

rb::Value Now(rb::Value) {
    const double seconds = std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
    return rb::protect([seconds] { return rb_float_new(seconds); });
}

rb::Value PlainDialog(rb::Value, rb::Value templateId) {
    const long id = rb::toLong(templateId);
    if (id <= 0 || id > 0xFFFF) {
        return rb::nil();
    }
    ui::ResourceScope resources;
    HMODULE module = ui::ThisModule();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG);
    const void* bytes = found ? LockResource(LoadResource(module, found)) : nullptr;
    if (bytes == nullptr) {
        return rb::nil();
    }
    PlainRun run;
    DialogBoxIndirectParamW(module, static_cast<LPCDLGTEMPLATEW>(bytes), nullptr, &PlainDialogProc,
                            reinterpret_cast<LPARAM>(&run));
    if (run.failure) {
        std::rethrow_exception(run.failure);
    }
    return rb::boolValue(true);
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
    rb::defineSingletonMethod<&PlainDialog>(driverModule, "plain_dialog");
}

}  // namespace kvr::testing
