#include "catalogue/module_texts.h"

#include <set>
#include <string_view>

namespace kvr::texts {

namespace {

std::vector<DialogTexts> buildCatalogue() {
    const bool yes = true;
    const bool address = false;
    return {
        {"Dimension editor",
         "KVRGUIShowConstraint",
         2002,
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
             {kOk, 1, "OK button", yes},
             {kCancel, 2, "Cancel button", yes},
             {kLengthLabel, 2084, "value label, type 21", yes},
             {kRadiusLabel, 2084, "value label, type 22", yes},
             {kDistanceLabel, 2084, "value label, distance types", yes},
             {kAngleLabel, 2084, "value label, angle types", yes},
             {kDimensionName, 2085, "label before the name box", yes},
             {kDistance, 2087, "radio button", yes},
             {kAngle, 2088, "radio button", yes},
             {kDimensionType, 2092, "label before the radio buttons", yes},
             {kDegreeSign, 2083, "appended to an angle in the value box", yes},
         }},
        {"Options dialog",
         "KVRGUIShowOptions",
         2000,
         {
             {kOptionsTitle, 0, "window title", yes},
             {kRectangle, 2000, "check box", yes},
             {kPushPull, 2001, "check box", yes},
             {kGenerateInferred, 2023, "check box", yes},
             {kShowFullNames, 2025, "check box", yes},
             {kRestoreDefaults, 2051, "push button", yes},
             {kImmediatelySolve, 2057, "check box, two lines", yes},
             {kAfterEditingHeading, 2095, "heading", yes},
             {kDoNothing, 2058, "radio button", yes},
             {kUpdateValues, 2059, "radio button", yes},
             {kUpdateGeometry, 2060, "radio button", yes},
             {kInferredHeading, 2093, "heading", yes},
             {kUpdateModeHeading, 2094, "heading", yes},
             {kOk, 2091, "OK button", yes},
         }},
        {"Error box",
         "KVRGUIShowError",
         2019,
         {
             {kErrorTitle, 0, "window title", yes},
             {kOk, 1, "OK button", yes},
         }},
        {"Error box with link",
         "KVRGUIShowErrorWithHlink",
         2018,
         {
             {kErrorTitle, 0, "window title", yes},
             {kOk, 1, "OK button", yes},
             {kForumLinkText, 2065, "forum link", yes},
             {kForumAddress, 2065, "forum link's address", address},
             {kBugSentence, 2066, "sentence above the link", yes},
         }},
        {"About box",
         "KVRGUIShowAbout",
         2009,
         {
             {kAboutTitle, 0, "window title", yes},
             {kVersionLabel, 2007, "before the version number", yes},
             {kProductName, 2011, "product name", yes},
             {kBuildLabel, 2046, "before the build number", yes},
             {kCopyright, 2047, "copyright line", yes},
             {kHomeLinkText, 2048, "home page link", yes},
             {kHomeAddress, 2048, "home page link's address", address},
             {kOk, 2050, "OK button", yes},
             {kHelpLinkText, 2090, "help page link", yes},
             {kHelpAddress, 2090, "help page link's address", address},
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
