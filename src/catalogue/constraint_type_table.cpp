#include "catalogue/constraint_type_table.h"

#include "catalogue/module_texts.h"

namespace kvr::texts {

namespace {

// Two edges: the angle between them, or the planar one when they share a face.
constexpr std::int32_t kEdgeEdgeAngleType = 55;
constexpr std::int32_t kEdgeEdgePlanarAngleType = 54;

}  // namespace

// Constant data: complete before any code of the library runs, never changed.
// A negative type names the same pair of entity kinds as its positive
// partner, in the other order.
const ConstraintTypeEntry constraintTypeTable[kConstraintTypeRows] = {
    {21, kEdgeLength, kLengthLabel, ValueKind::Fixed, 0},
    {22, kArccurveRadius, kRadiusLabel, ValueKind::Fixed, 0},
    {51, kEdgeEdgeDistance, kDistanceLabel, ValueKind::Distance, kEdgeEdgeAngleType},
    {52, kVertexEdgeDistance, kDistanceLabel, ValueKind::Fixed, 0},
    {-52, kEdgeVertexDistance, kDistanceLabel, ValueKind::Fixed, 0},
    {53, kVertexVertexDistance, kDistanceLabel, ValueKind::Fixed, 0},
    {kEdgeEdgePlanarAngleType, kEdgeEdgePlanarAngle, kAngleLabel, ValueKind::Angle, 51},
    {kEdgeEdgeAngleType, kEdgeEdgeAngle, kAngleLabel, ValueKind::Angle, 51},
    {56, kEdgeFaceAngle, kAngleLabel, ValueKind::Angle, 58},
    {-56, kFaceEdgeAngle, kAngleLabel, ValueKind::Angle, -58},
    {57, kVertexFaceDistance, kDistanceLabel, ValueKind::Fixed, 0},
    {-57, kFaceVertexDistance, kDistanceLabel, ValueKind::Fixed, 0},
    {58, kEdgeFaceDistance, kDistanceLabel, ValueKind::Distance, 56},
    {-58, kFaceEdgeDistance, kDistanceLabel, ValueKind::Distance, -56},
    {59, kFaceFaceDistance, kDistanceLabel, ValueKind::Distance, 60},
    {60, kFaceFaceAngle, kAngleLabel, ValueKind::Angle, 59},
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
    if (row->counterpart == kEdgeEdgeAngleType && edgesShareFace) {
        return kEdgeEdgePlanarAngleType;
    }
    return row->counterpart;
}

}  // namespace kvr::texts
