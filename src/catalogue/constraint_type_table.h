// The constraint types the editor knows: for each type number the plug-in
// uses, the English name of the type, the label of its value and whether the
// value can be switched between a distance and an angle, and the type a switch
// turns it into. The names and labels are the keys under which the strings
// file translates them, and the catalogue lists them from here (the editor's
// window titles and value labels). Plain data and two pure functions, with no
// Ruby, so that the plug-in's documentation can be generated from them.
#pragma once

#include <cstdint>

namespace kvr::texts {

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
    // The type the distance/angle choice switches to (0: none, for Fixed).
    std::int32_t counterpart;
};

// Searched from the top; the row of type 0 ends the table and is never found.
constexpr int kConstraintTypeRows = 17;
extern const ConstraintTypeEntry constraintTypeTable[kConstraintTypeRows];

// The row of a type, or null for a type the table does not hold.
const ConstraintTypeEntry* constraintTypeRow(std::int32_t type);

// The type after a click on the distance/angle choice (angle or distance: the
// button now selected): the counterpart of that kind, or the type itself
// where there is none or the choice already fits it. A distance between two
// edges becomes the planar angle (54) when they share a face, else 55.
std::int32_t counterpartType(std::int32_t type, bool angle, bool distance, bool edgesShareFace);

}  // namespace kvr::texts
