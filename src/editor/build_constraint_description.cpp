// Reading one constraint from the plug-in. Every call into Ruby is made once
// per build, in a fixed order; a result counts as true only when it is the
// `true` object itself.

#include <string>

#include "editor/constraint_description.h"
#include "editor/constraint_value.h"
#include "ruby/calls.h"
#include "ruby/convert.h"
#include "ruby/expected_value.h"

namespace kvr::editor {

namespace {

// The argument must be [constraint, name, ...] with a String name. Checked
// before any method of the plug-in runs (but the message of a refusal shows
// the argument's inspect).
void ExpectConstraintArgument(rb::Value argument) {
    const bool array = rb::isArray(argument);
    if (!array || rb::arrayLength(argument) < 2) {
        rb::raiseExpected(array ? "ArgumentError" : "TypeError",
                          "the argument of KVRGUIShowConstraint",
                          "an Array [constraint, dimension name]", argument);
    }
    rb::expectString(rb::arrayEntry(argument, 1),
                     "the dimension name (element 1 of the argument of KVRGUIShowConstraint)");
}

// A pre-constraint knows its type in @type, or works it out from its two
// entities; any other constraint answers `type`.
std::int32_t ReadType(rb::Value constraint, bool preConstraint, rb::Value entity1,
                      rb::Value entity2) {
    rb::Value type;
    const char* subject = "the constraint's type";
    if (preConstraint) {
        type = rb::ivarGet(constraint, "@type");
        subject = "the constraint's @type";
        if (rb::isNil(type)) {
            type = rb::call(constraint, "getConstraintType", entity1, entity2);
            subject = "the result of the constraint's getConstraintType";
        }
    } else {
        type = rb::call(constraint, "type");
    }
    return static_cast<std::int32_t>(rb::toLong(type, subject));
}

// Whether both entities are edges of the host that have a common face.
bool EdgesShareFace(rb::Value entity1, rb::Value entity2) {
    if (rb::isNil(entity1) || rb::isNil(entity2)) {
        return false;
    }
    rb::Value edgeClass =
        rb::evalConstant("Sketchup::Edge",
                         "the host's edge class, which KVRGUIShowConstraint asks both entities "
                         "of a constraint about (kind_of?)");
    bool firstIsEdge = rb::isTrue(rb::call(entity1, "kind_of?", edgeClass));
    bool secondIsEdge = rb::isTrue(rb::call(entity2, "kind_of?", edgeClass));
    if (!firstIsEdge || !secondIsEdge) {
        return false;
    }
    return !rb::isNil(rb::call(entity1, "common_face", entity2));
}

}  // namespace

ConstraintDescriptionPtr buildConstraintDescription(rb::Value argument) {
    ExpectConstraintArgument(argument);
    auto description = std::make_unique<ConstraintDescription>();
    ConstraintDescription& d = *description;
    d.constraint.set(rb::arrayEntry(argument, 0));
    rb::Value constraint = d.constraint.value();

    rb::StringBytes name = rb::stringBytes(rb::arrayEntry(argument, 1));
    if (!name.hasBuffer()) {
        return nullptr;
    }
    d.nameText = std::string(name.view());

    rb::Value entity1 = rb::ivarGet(constraint, "@entity1");
    rb::Value entity2 = rb::ivarGet(constraint, "@entity2");
    rb::Value preConstraintClass = rb::evalConstant(
        "KVR::KVRPreConstraint",
        "the plug-in's pre-constraint class, which KVRGUIShowConstraint asks every constraint "
        "about (kind_of?)");
    bool preConstraint = rb::isTrue(rb::call(constraint, "kind_of?", preConstraintClass));
    d.type = ReadType(constraint, preConstraint, entity1, entity2);
    d.notPreConstraint = !preConstraint;
    d.edgesShareFace = EdgesShareFace(entity1, entity2);
    if (!findConstraintType(&d)) {
        return nullptr;
    }

    rb::Value value = preConstraint ? rb::call(constraint, "currentValue", rb::integer(d.type))
                                    : rb::call(constraint, "currentValue");
    if (d.kind == texts::ValueKind::Distance) {
        d.distanceChoice = 0;
    } else if (d.kind == texts::ValueKind::Angle) {
        d.angleChoice = 0;
        value = roundedDegrees(value);
    }
    std::optional<std::string> text = displayText(value);
    if (!text) {
        return nullptr;
    }
    d.valueText = std::move(*text);
    return description;
}

}  // namespace kvr::editor
