// The frame every KVRGUI method runs its dialog in: the library's resources
// made current, the dialog constructed as a local without a parent window,
// prepared, run modally, the result built while the dialog still exists.
// Destroying the dialog and restoring the resources happen in the destructors,
// in that order, whichever way the call ends.
#pragma once

#include <utility>

#include "framework/resource_scope.h"
#include "ruby/ruby_value.h"

namespace kvr::entry {

struct NoPreparation {
    template <class Dialog>
    void operator()(Dialog&) const {}
};

struct NilResult {
    template <class Dialog>
    rb::Value operator()(Dialog&) const {
        return rb::nil();
    }
};

template <class Dialog, class Prepare, class BuildResult, class... Args>
rb::Value RunInMethodFrame(Prepare prepare, BuildResult buildResult, Args&&... constructorArgs) {
    ui::ResourceScope resources;
    Dialog dialog(std::forward<Args>(constructorArgs)...);
    prepare(dialog);
    dialog.DoModal();  // the end code is not used
    return buildResult(dialog);
}

}  // namespace kvr::entry
