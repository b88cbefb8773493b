#include "editor/constraint_types_markdown.h"

#include "catalogue/constraint_type_table.h"

namespace kvr::editor {

namespace {

const char* KindName(texts::ValueKind kind) {
    switch (kind) {
        case texts::ValueKind::Distance:
            return "distance";
        case texts::ValueKind::Angle:
            return "angle (radians, shown in degrees)";
        case texts::ValueKind::Fixed:
            break;
    }
    return "fixed";
}

// What a click on the other choice turns the type into, or "none".
std::string SwitchText(const texts::ConstraintTypeEntry& row) {
    const bool toAngle = row.kind == texts::ValueKind::Distance;
    if (row.kind == texts::ValueKind::Fixed) {
        return "none";
    }
    const std::int32_t shared = texts::counterpartType(row.type, toAngle, !toAngle, true);
    const std::int32_t apart = texts::counterpartType(row.type, toAngle, !toAngle, false);
    std::string text = toAngle ? "Angle: " : "Distance: ";
    text += std::to_string(shared);
    if (apart != shared) {
        text += " when the edges share a face, else " + std::to_string(apart);
    }
    return text;
}

}  // namespace

std::string constraintTypesMarkdown() {
    std::string table =
        "| type | name (the editor's title) | value label | kind | the choice switches to |\n"
        "|---:|---|---|---|---|\n";
    for (const texts::ConstraintTypeEntry& row : texts::constraintTypeTable) {
        if (row.type == 0) {
            break;
        }
        table += "| " + std::to_string(row.type) + " | " + row.typeNameKey + " | " +
                 row.valueLabelKey + " | " + KindName(row.kind) + " | " + SwitchText(row) + " |\n";
    }
    return table;
}

}  // namespace kvr::editor
