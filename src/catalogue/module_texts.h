// The module's own texts: the English wording of every text a dialog shows,
// which is also its key in the strings file. Each dialog's key array
// (dialog_texts.h) pairs them with the controls that show them; the dialogs
// look their keys up there, and the catalogue below lists those arrays by
// dialog, so that a tool can enumerate them. The two texts
// that are not constants (an error dialog's message, the editor's dimension
// name) come from the plug-in and are not here.
#pragma once

#include <cstddef>
#include <vector>

#include "catalogue/web_site.h"

namespace kvr::texts {

inline constexpr char kOk[] = "OK";

// Dimension editor
inline constexpr char kCancel[] = "Cancel";
inline constexpr char kDimensionType[] = "Dimension type:";
inline constexpr char kDimensionName[] = "Dimension name:";
inline constexpr char kAngle[] = "Angle";
inline constexpr char kDistance[] = "Distance";
inline constexpr char kDegreeSign[] = "\xC2\xB0";
inline constexpr char kLengthLabel[] = "Length:";
inline constexpr char kRadiusLabel[] = "Radius:";
inline constexpr char kDistanceLabel[] = "Distance:";
inline constexpr char kAngleLabel[] = "Angle:";
inline constexpr char kEdgeLength[] = "Edge length";
inline constexpr char kArccurveRadius[] = "Arccurve radius";
inline constexpr char kEdgeEdgeDistance[] = "Edge Edge distance";
inline constexpr char kVertexEdgeDistance[] = "Vertex Edge distance";
inline constexpr char kEdgeVertexDistance[] = "Edge Vertex distance";
inline constexpr char kVertexVertexDistance[] = "Vertex Vertex distance";
inline constexpr char kEdgeEdgePlanarAngle[] = "Edge Edge planar angle";
inline constexpr char kEdgeEdgeAngle[] = "Edge Edge angle";
inline constexpr char kEdgeFaceAngle[] = "Edge Face angle";
inline constexpr char kFaceEdgeAngle[] = "Face Edge angle";
inline constexpr char kVertexFaceDistance[] = "Vertex Face distance";
inline constexpr char kFaceVertexDistance[] = "Face Vertex distance";
inline constexpr char kEdgeFaceDistance[] = "Edge Face distance";
inline constexpr char kFaceEdgeDistance[] = "Face Edge distance";
inline constexpr char kFaceFaceDistance[] = "Face Face distance";
inline constexpr char kFaceFaceAngle[] = "Face Face angle";

// Options dialog, in the order of its text members
inline constexpr char kOptionsTitle[] = "Sorvane Options";
inline constexpr char kInferredHeading[] = "Inferred dimensions:";
inline constexpr char kGenerateInferred[] = "Generate inferred dimensions";
inline constexpr char kRectangle[] = "Rectangle";
inline constexpr char kPushPull[] = "Push/Pull";
inline constexpr char kUpdateModeHeading[] = "Update mode:";
inline constexpr char kImmediatelySolve[] = "Update geometry after editing Sorvane";
inline constexpr char kAfterEditingHeading[] = "After Geometry Editing:";
inline constexpr char kDoNothing[] = "Do nothing";
inline constexpr char kUpdateValues[] = "Update Sorvane values";
inline constexpr char kUpdateGeometry[] = "Update geometry to satisfy Sorvane";
inline constexpr char kShowFullNames[] = "Show full Sorvane names";
inline constexpr char kRestoreDefaults[] = "Restore Defaults";

// Error dialogs
inline constexpr char kErrorTitle[] = "Sorvane Error";
inline constexpr char kBugSentence[] = "If you think it is a bug, please submit it to";
inline constexpr char kForumLinkText[] = KVR_SITE_DISPLAY_HOST "/Forum";
inline constexpr char kForumAddress[] = KVR_SITE_ADDRESS "/forum/";

// About box
inline constexpr char kAboutTitle[] = "About Sorvane";
inline constexpr char kProductName[] = "Sorvane";
inline constexpr char kCopyright[] = "Copyright \xC2\xA9 2012 Tavro. All rights reserved.";
inline constexpr char kHomeLinkText[] = KVR_SITE_DISPLAY_HOST;
inline constexpr char kHomeAddress[] = KVR_SITE_ADDRESS "/?" KVR_SITE_CAMPAIGN;
inline constexpr char kHelpLinkText[] = "Help Page";
inline constexpr char kHelpAddress[] = KVR_SITE_ADDRESS "/SketchUp/help.php?" KVR_SITE_CAMPAIGN;
inline constexpr char kVersionLabel[] = "version";
inline constexpr char kBuildLabel[] = "build";

// One use of a text: the control that shows it. A web address is looked up
// like any text but holds "//", which the strings file reader takes for a
// comment, so no file can translate it.
struct TextUse {
    const char* key;
    int controlId;        // 0: the window title
    const char* control;  // what the control is, for a translator
    bool translatable;
};

struct DialogTexts {
    const char* name;    // as a translator knows the dialog
    const char* method;  // the KVRGUI method that shows it
    int templateId;
    std::vector<TextUse> texts;
};

// Every dialog with its texts, in the order the template lists them. A text
// shared by several dialogs ("OK") appears under each.
const std::vector<DialogTexts>& moduleTexts();

// The distinct keys a strings file can translate, in catalogue order.
std::vector<const char*> translatableKeys();

}  // namespace kvr::texts
