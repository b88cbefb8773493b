#include "catalogue/constraint_type_table.h"

#include "catalogue/module_texts.h"

namespace kvr::editor {

namespace {

// Two edges: the angle between them, or the planar one when they share a face.
constexpr std::int32_t kEdgeEdgeAngle = 55;
constexpr std::int32_t kEdgeEdgePlanarAngle = 54;

}  // namespace

// Constant data: complete before any code of the library runs, never changed.
// A negative type names the same pair of entity kinds as its positive
// partner, in the other order.
const ConstraintTypeEntry constraintTypeTable[kConstraintTypeRows] = {
    {21, texts::kEdgeLength, texts::kLengthLabel, ValueKind::Fixed, 0},
    {22, texts::kArccurveRadius, texts::kRadiusLabel, ValueKind::Fixed, 0},
    {51, texts::kEdgeEdgeDistance, texts::kDistanceLabel, ValueKind::Distance, kEdgeEdgeAngle},
    {52, texts::kVertexEdgeDistance, texts::kDistanceLabel, ValueKind::Fixed, 0},
    {-52, texts::kEdgeVertexDistance, texts::kDistanceLabel, ValueKind::Fixed, 0},
    {53, texts::kVertexVertexDistance, texts::kDistanceLabel, ValueKind::Fixed, 0},
    {kEdgeEdgePlanarAngle, texts::kEdgeEdgePlanarAngle, texts::kAngleLabel, ValueKind::Angle, 51},
    {kEdgeEdgeAngle, texts::kEdgeEdgeAngle, texts::kAngleLabel, ValueKind::Angle, 51},
    {56, texts::kEdgeFaceAngle, texts::kAngleLabel, ValueKind::Angle, 58},
    {-56, texts::kFaceEdgeAngle, texts::kAngleLabel, ValueKind::Angle, -58},
    {57, texts::kVertexFaceDistance, texts::kDistanceLabel, ValueKind::Fixed, 0},
    {-57, texts::kFaceVertexDistance, texts::kDistanceLabel, ValueKind::Fixed, 0},
    {58, texts::kEdgeFaceDistance, texts::kDistanceLabel, ValueKind::Distance, 56},
    {-58, texts::kFaceEdgeDistance, texts::kDistanceLabel, ValueKind::Distance, -56},
    {59, texts::kFaceFaceDistance, texts::kDistanceLabel, ValueKind::Distance, 60},
    {60, texts::kFaceFaceAngle, texts::kAngleLabel, ValueKind::Angle, 59},
    {0, "", "", ValueKind::Fixed, 0},
};

const ConstraintTypeEntry* constraintTypeRow(std::int32_t type) {
    for (const ConstraintTypeEntry& row : constraintTypeTable) {
        if (row.type == 0) {
            break;
        }
        if (row.type == type) {
            return &row;
        }
    }
    return nullptr;
}

std::int32_t counterpartType(std::int32_t type, bool angle, bool distance, bool edgesShareFace) {
    const ConstraintTypeEntry* row = constraintTypeRow(type);
    const bool switches = row != nullptr && ((row->kind == ValueKind::Distance && angle) ||
                                             (row->kind == ValueKind::Angle && distance));
    if (!switches) {
        return type;
    }
    if (row->counterpart == kEdgeEdgeAngle && edgesShareFace) {
        return kEdgeEdgePlanarAngle;
    }
    return row->counterpart;
}

}  // namespace kvr::editor
