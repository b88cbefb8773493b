// KVRGUI#KVRGUIShowConstraint([constraint, name]): the dimension editor. After
// OK it returns [value text, name, type]; after Cancel, Esc or the close box,
// or when the constraint could not be read, nil.

#include "editor/constraint_dialog.h"
#include "entry/method_frame.h"
#include "entry/methods.h"
#include "ruby/calls.h"
#include "ruby/convert.h"

namespace kvr::entry {

namespace {

// Built while the dialog, and with it the description, still exists.
struct ConstraintResult {
    rb::Value operator()(const editor::KVRGUIConstraintDialog& dialog) const {
        const editor::ConstraintDescription* d = dialog.description();
        if (d == nullptr || !d->accepted) {
            return rb::nil();
        }
        rb::Value value = rb::newString(d->valueText);
        rb::Value name = rb::newString(d->nameText);
        return rb::newArray(value, name, rb::integer(d->type));
    }
};

}  // namespace

rb::Value ShowConstraint(rb::Value, rb::Value argument) {
    return RunInMethodFrame<editor::KVRGUIConstraintDialog>(NoPreparation{}, ConstraintResult{},
                                                            argument);
}

}  // namespace kvr::entry
