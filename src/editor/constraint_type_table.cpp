#include "editor/constraint_type_table.h"

#include "catalogue/module_texts.h"

namespace kvr::editor {

// Constant data: complete before any code of the library runs, never changed.
// A negative type names the same pair of entity kinds as its positive
// partner, in the other order.
const ConstraintTypeEntry constraintTypeTable[kConstraintTypeRows] = {
    {21, texts::kEdgeLength, texts::kLengthLabel, ValueKind::Fixed},
    {22, texts::kArccurveRadius, texts::kRadiusLabel, ValueKind::Fixed},
    {51, texts::kEdgeEdgeDistance, texts::kDistanceLabel, ValueKind::Distance},
    {52, texts::kVertexEdgeDistance, texts::kDistanceLabel, ValueKind::Fixed},
    {-52, texts::kEdgeVertexDistance, texts::kDistanceLabel, ValueKind::Fixed},
    {53, texts::kVertexVertexDistance, texts::kDistanceLabel, ValueKind::Fixed},
    {54, texts::kEdgeEdgePlanarAngle, texts::kAngleLabel, ValueKind::Angle},
    {55, texts::kEdgeEdgeAngle, texts::kAngleLabel, ValueKind::Angle},
    {56, texts::kEdgeFaceAngle, texts::kAngleLabel, ValueKind::Angle},
    {-56, texts::kFaceEdgeAngle, texts::kAngleLabel, ValueKind::Angle},
    {57, texts::kVertexFaceDistance, texts::kDistanceLabel, ValueKind::Fixed},
    {-57, texts::kFaceVertexDistance, texts::kDistanceLabel, ValueKind::Fixed},
    {58, texts::kEdgeFaceDistance, texts::kDistanceLabel, ValueKind::Distance},
    {-58, texts::kFaceEdgeDistance, texts::kDistanceLabel, ValueKind::Distance},
    {59, texts::kFaceFaceDistance, texts::kDistanceLabel, ValueKind::Distance},
    {60, texts::kFaceFaceAngle, texts::kAngleLabel, ValueKind::Angle},
    {0, "", "", ValueKind::Fixed},
};

std::int32_t counterpartType(std::int32_t type, bool angle, bool distance, bool edgesShareFace) {
    switch (type) {
        case 51:
            return angle ? (edgesShareFace ? 54 : 55) : type;
        case 54:
        case 55:
            return distance ? 51 : type;
        case 56:
            return distance ? 58 : type;
        case 58:
            return angle ? 56 : type;
        case -56:
            return distance ? -58 : type;
        case -58:
            return angle ? -56 : type;
        case 59:
            return angle ? 60 : type;
        case 60:
            return distance ? 59 : type;
        default:
            return type;
    }
}

}  // namespace kvr::editor
