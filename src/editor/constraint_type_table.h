// The constraint types the editor knows: for each type number the plug-in
// uses, the English name of the type, the label of its value and whether the
// value can be switched between a distance and an angle. The names and labels
// are the keys under which the strings file translates them.
#pragma once

#include <cstdint>

namespace kvr::editor {

enum class ValueKind : std::int32_t {
    Fixed = 0,     // no counterpart: the distance/angle choice stays disabled
    Distance = 1,  // a distance with an angle counterpart
    Angle = 2,     // an angle, shown in degrees, with a distance counterpart
};

struct ConstraintTypeEntry {
    std::int32_t type;
    const char* typeNameKey;
    const char* valueLabelKey;
    ValueKind kind;
};

// Searched from the top; the row of type 0 ends the table and is never found.
constexpr int kConstraintTypeRows = 17;
extern const ConstraintTypeEntry constraintTypeTable[kConstraintTypeRows];

}  // namespace kvr::editor
