// ConstraintDescription: one dimension constraint read from the plug-in's Ruby
// objects for the editor: its type, name and value text, the keys of the texts
// that name its type and label its value, and the state of the distance/angle
// choice. The editor changes it while it runs (a choice click switches the type
// and re-reads the value; OK stores the edited texts) and the Ruby method
// returns what it holds at the end.
//
// The constraint object stays registered with the garbage collector for as
// long as the description lives: the plug-in's code runs while the editor is
// open and may drop its own last reference to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/dialog_texts.h"
#include "catalogue/constraint_type_table.h"
#include "ruby/gc_guard.h"
#include "ruby/ruby_value.h"

namespace kvr::editor {

struct ConstraintDescription {
    rb::GcGuard constraint;
    std::int32_t type = 0;
    // UTF-8, whatever their length; c_str() is the terminated form.
    std::string valueText;
    std::string nameText;
    bool edgesShareFace = false;  // both entities are edges with a common face
    bool accepted = false;        // set by the editor's OK
    const char* valueLabelKey = "";
    const char* typeNameKey = "";
    const char* dimensionTypeKey = texts::kKey<texts::kEditorControlTexts, IDC_EDITOR_TYPE_CAPTION>;
    const char* dimensionNameKey = texts::kKey<texts::kEditorControlTexts, IDC_EDITOR_NAME_CAPTION>;
    const char* angleKey = texts::kKey<texts::kEditorControlTexts, IDC_EDITOR_ANGLE>;
    const char* distanceKey = texts::kKey<texts::kEditorControlTexts, IDC_EDITOR_DISTANCE>;
    const char* degreeSignKey = texts::kKey<texts::kEditorControlTexts, IDC_EDITOR_VALUE>;
    const char* okKey = texts::kKey<texts::kEditorButtonTexts, texts::kOkButton>;
    const char* cancelKey = texts::kKey<texts::kEditorButtonTexts, texts::kCancelButton>;
    texts::ValueKind kind = texts::ValueKind::Fixed;
    // The radio buttons' state, written and read by the editor's data
    // exchange. 0 means selected: distanceChoice is the index of the checked
    // button of the group (0 Distance, 1 Angle, -1 none), angleChoice 0 when
    // the Angle button alone is checked. A fresh description selects neither.
    int distanceChoice = 1;
    int angleChoice = 1;
    bool notPreConstraint = false;  // the type is fixed: the choice is disabled

    bool distanceSelected() const { return distanceChoice == 0; }
    bool angleSelected() const { return angleChoice == 0; }
};

using ConstraintDescriptionPtr = std::unique_ptr<ConstraintDescription>;

// Reads the argument of KVRGUIShowConstraint, an Array [constraint, name].
// Raises TypeError or ArgumentError (as a RubyError) for any other shape,
// before calling anything of the plug-in. Returns null when the constraint's
// type is not in the table or a text has no character data; an exception of
// the plug-in's code comes out as a RubyError.
ConstraintDescriptionPtr buildConstraintDescription(rb::Value argument);

// Looks the description's type up in the table: on a hit takes the row's
// type name, value label and kind and returns true; false (nothing changed)
// on a miss or without a description.
bool findConstraintType(ConstraintDescription* description);

// After a click on the distance/angle choice: switches the type to its
// counterpart as the choice fields say, re-reads the value from the
// constraint and refreshes the keys. Returns findConstraintType's result.
bool applyDistanceAngleChoice(ConstraintDescription* description);

// Stores the edited name and value (UTF-8), each only when present.
void storeEditedTexts(ConstraintDescription* description, std::optional<std::string_view> name,
                      std::optional<std::string_view> value);

// Frees the description and lets go of the constraint object.
void releaseConstraintDescription(ConstraintDescriptionPtr& description);

}  // namespace kvr::editor
