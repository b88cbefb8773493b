#include "catalogue/module_texts.h"

#include <set>
#include <string_view>

#include "resources/resource_ids.h"

namespace kvr::texts {

namespace {

// The standard OK and Cancel buttons (the window system's IDOK and IDCANCEL).
constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;

std::vector<DialogTexts> buildCatalogue() {
    const bool yes = true;
    const bool address = false;
    return {
        {"Dimension editor",
         "KVRGUIShowConstraint",
         IDD_KVRGUI_CONSTRAINT,
         {
             {kEdgeLength, 0, "window title, type 21", yes},
             {kArccurveRadius, 0, "window title, type 22", yes},
             {kEdgeEdgeDistance, 0, "window title, type 51", yes},
             {kVertexEdgeDistance, 0, "window title, type 52", yes},
             {kEdgeVertexDistance, 0, "window title, type -52", yes},
             {kVertexVertexDistance, 0, "window title, type 53", yes},
             {kEdgeEdgePlanarAngle, 0, "window title, type 54", yes},
             {kEdgeEdgeAngle, 0, "window title, type 55", yes},
             {kEdgeFaceAngle, 0, "window title, type 56", yes},
             {kFaceEdgeAngle, 0, "window title, type -56", yes},
             {kVertexFaceDistance, 0, "window title, type 57", yes},
             {kFaceVertexDistance, 0, "window title, type -57", yes},
             {kEdgeFaceDistance, 0, "window title, type 58", yes},
             {kFaceEdgeDistance, 0, "window title, type -58", yes},
             {kFaceFaceDistance, 0, "window title, type 59", yes},
             {kFaceFaceAngle, 0, "window title, type 60", yes},
             {kOk, kOkButton, "OK button", yes},
             {kCancel, kCancelButton, "Cancel button", yes},
             {kLengthLabel, IDC_EDITOR_VALUE_LABEL, "value label, type 21", yes},
             {kRadiusLabel, IDC_EDITOR_VALUE_LABEL, "value label, type 22", yes},
             {kDistanceLabel, IDC_EDITOR_VALUE_LABEL, "value label, distance types", yes},
             {kAngleLabel, IDC_EDITOR_VALUE_LABEL, "value label, angle types", yes},
             {kDimensionName, IDC_EDITOR_NAME_CAPTION, "label before the name box", yes},
             {kDistance, IDC_EDITOR_DISTANCE, "radio button", yes},
             {kAngle, IDC_EDITOR_ANGLE, "radio button", yes},
             {kDimensionType, IDC_EDITOR_TYPE_CAPTION, "label before the radio buttons", yes},
             {kDegreeSign, IDC_EDITOR_VALUE, "appended to an angle in the value box", yes},
         }},
        {"Options dialog",
         "KVRGUIShowOptions",
         IDD_KVRGUI_OPTIONS,
         {
             {kOptionsTitle, 0, "window title", yes},
             {kRectangle, IDC_OPTIONS_RECTANGLE, "check box", yes},
             {kPushPull, IDC_OPTIONS_PUSH_PULL, "check box", yes},
             {kGenerateInferred, IDC_OPTIONS_INFERRED, "check box", yes},
             {kShowFullNames, IDC_OPTIONS_FULL_TEXT, "check box", yes},
             {kRestoreDefaults, IDC_OPTIONS_RESTORE_DEFAULTS, "push button", yes},
             {kImmediatelySolve, IDC_OPTIONS_IMMEDIATELY_SOLVE, "check box, two lines", yes},
             {kAfterEditingHeading, IDC_OPTIONS_AFTER_EDITING_HEADING, "heading", yes},
             {kDoNothing, IDC_OPTIONS_DO_NOTHING, "radio button", yes},
             {kUpdateValues, IDC_OPTIONS_UPDATE_VALUES, "radio button", yes},
             {kUpdateGeometry, IDC_OPTIONS_UPDATE_GEOMETRY, "radio button", yes},
             {kInferredHeading, IDC_OPTIONS_INFERRED_HEADING, "heading", yes},
             {kUpdateModeHeading, IDC_OPTIONS_UPDATE_MODE_HEADING, "heading", yes},
             {kOk, IDC_OPTIONS_OK, "OK button", yes},
         }},
        {"Error box",
         "KVRGUIShowError",
         IDD_KVRGUI_ERROR,
         {
             {kErrorTitle, 0, "window title", yes},
             {kOk, kOkButton, "OK button", yes},
         }},
        {"Error box with link",
         "KVRGUIShowErrorWithHlink",
         IDD_KVRGUI_ERROR_HLINK,
         {
             {kErrorTitle, 0, "window title", yes},
             {kOk, kOkButton, "OK button", yes},
             {kForumLinkText, IDC_ERROR_HLINK_LINK, "forum link", yes},
             {kForumAddress, IDC_ERROR_HLINK_LINK, "forum link's address", address},
             {kBugSentence, IDC_ERROR_HLINK_SENTENCE, "sentence above the link", yes},
         }},
        {"About box",
         "KVRGUIShowAbout",
         IDD_KVRGUI_ABOUT,
         {
             {kAboutTitle, 0, "window title", yes},
             {kVersionLabel, IDC_ABOUT_VERSION, "before the version number", yes},
             {kProductName, IDC_ABOUT_PRODUCT_NAME, "product name", yes},
             {kBuildLabel, IDC_ABOUT_BUILD, "before the build number", yes},
             {kCopyright, IDC_ABOUT_COPYRIGHT, "copyright line", yes},
             {kHomeLinkText, IDC_ABOUT_HOME_LINK, "home page link", yes},
             {kHomeAddress, IDC_ABOUT_HOME_LINK, "home page link's address", address},
             {kOk, IDC_ABOUT_OK, "OK button", yes},
             {kHelpLinkText, IDC_ABOUT_HELP_LINK, "help page link", yes},
             {kHelpAddress, IDC_ABOUT_HELP_LINK, "help page link's address", address},
         }},
    };
}

}  // namespace

const std::vector<DialogTexts>& moduleTexts() {
    static const std::vector<DialogTexts> catalogue = buildCatalogue();
    return catalogue;
}

std::vector<const char*> translatableKeys() {
    std::vector<const char*> keys;
    std::set<std::string_view> seen;
    for (const DialogTexts& dialog : moduleTexts()) {
        for (const TextUse& use : dialog.texts) {
            if (use.translatable && seen.insert(use.key).second) {
                keys.push_back(use.key);
            }
        }
    }
    return keys;
}

}  // namespace kvr::texts
