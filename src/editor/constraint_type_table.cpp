#include "editor/constraint_type_table.h"

namespace kvr::editor {

// Constant data: complete before any code of the library runs, never changed.
// A negative type names the same pair of entity kinds as its positive
// partner, in the other order.
const ConstraintTypeEntry constraintTypeTable[kConstraintTypeRows] = {
    {21, "Edge length", "Length:", ValueKind::Fixed},
    {22, "Arccurve radius", "Radius:", ValueKind::Fixed},
    {51, "Edge Edge distance", "Distance:", ValueKind::Distance},
    {52, "Vertex Edge distance", "Distance:", ValueKind::Fixed},
    {-52, "Edge Vertex distance", "Distance:", ValueKind::Fixed},
    {53, "Vertex Vertex distance", "Distance:", ValueKind::Fixed},
    {54, "Edge Edge planar angle", "Angle:", ValueKind::Angle},
    {55, "Edge Edge angle", "Angle:", ValueKind::Angle},
    {56, "Edge Face angle", "Angle:", ValueKind::Angle},
    {-56, "Face Edge angle", "Angle:", ValueKind::Angle},
    {57, "Vertex Face distance", "Distance:", ValueKind::Fixed},
    {-57, "Face Vertex distance", "Distance:", ValueKind::Fixed},
    {58, "Edge Face distance", "Distance:", ValueKind::Distance},
    {-58, "Face Edge distance", "Distance:", ValueKind::Distance},
    {59, "Face Face distance", "Distance:", ValueKind::Distance},
    {60, "Face Face angle", "Angle:", ValueKind::Angle},
    {0, "", "", ValueKind::Fixed},
};

}  // namespace kvr::editor
