// The operations on a description while the editor runs: the type lookup,
// the switch between a distance and its angle counterpart, and storing the
// edited texts.

#include "editor/constraint_description.h"

#include "editor/constraint_value.h"
#include "ruby/calls.h"
#include "ruby/convert.h"

namespace kvr::editor {

bool findConstraintType(ConstraintDescription* description) {
    if (description == nullptr) {
        return false;
    }
    const texts::ConstraintTypeEntry* row = texts::constraintTypeRow(description->type);
    if (row == nullptr) {
        return false;
    }
    description->typeNameKey = row->typeNameKey;
    description->valueLabelKey = row->valueLabelKey;
    description->kind = row->kind;
    return true;
}

bool applyDistanceAngleChoice(ConstraintDescription* description) {
    if (description == nullptr) {
        return false;
    }
    ConstraintDescription& d = *description;
    d.type =
        texts::counterpartType(d.type, d.angleSelected(), d.distanceSelected(), d.edgesShareFace);
    // Always with the type, whatever kind of constraint this is.
    rb::Value value = rb::call(d.constraint.value(), "currentValue", rb::integer(d.type));
    if (d.angleSelected()) {
        value = roundedDegrees(value);
    }
    // A to_s without character data leaves the old text standing.
    if (std::optional<std::string> text = displayText(value)) {
        d.valueText = std::move(*text);
    }
    return findConstraintType(&d);
}

void storeEditedTexts(ConstraintDescription* description, std::optional<std::string_view> name,
                      std::optional<std::string_view> value) {
    if (description == nullptr) {
        return;
    }
    // Assigning reuses the buffer when the new text fits it.
    if (name) {
        description->nameText.assign(name->data(), name->size());
    }
    if (value) {
        description->valueText.assign(value->data(), value->size());
    }
}

void releaseConstraintDescription(ConstraintDescriptionPtr& description) {
    description.reset();
}

}  // namespace kvr::editor
