// Each dialog's texts in one table: the key array the dialog looks its texts
// up in, with the control that shows each key beside it. The catalogue that a
// tool reads (module_texts.cpp) lists these same arrays, and the dialogs take
// their keys from them by control id, so a text added to a dialog is one row
// here (and one control in the template). The dimension editor's type names
// and value labels are the constraint type table's (constraint_type_table.h).
#pragma once

#include <cstddef>

#include "catalogue/module_texts.h"
#include "resources/resource_ids.h"

namespace kvr::texts {

// The standard OK and Cancel buttons (the window system's IDOK and IDCANCEL).
inline constexpr int kOkButton = 1;
inline constexpr int kCancelButton = 2;

inline constexpr bool kTranslatable = true;
inline constexpr bool kAddress = false;

// The dimension editor's buttons and its fixed controls; the catalogue lists
// the type names before the buttons and the value labels after them.
inline constexpr TextUse kEditorButtonTexts[] = {
    {kOk, kOkButton, "OK button", kTranslatable},
    {kCancel, kCancelButton, "Cancel button", kTranslatable},
};
inline constexpr TextUse kEditorControlTexts[] = {
    {kDimensionName, IDC_EDITOR_NAME_CAPTION, "label before the name box", kTranslatable},
    {kDistance, IDC_EDITOR_DISTANCE, "radio button", kTranslatable},
    {kAngle, IDC_EDITOR_ANGLE, "radio button", kTranslatable},
    {kDimensionType, IDC_EDITOR_TYPE_CAPTION, "label before the radio buttons", kTranslatable},
    {kDegreeSign, IDC_EDITOR_VALUE, "appended to an angle in the value box", kTranslatable},
};

inline constexpr TextUse kOptionsTexts[] = {
    {kOptionsTitle, 0, "window title", kTranslatable},
    {kRectangle, IDC_OPTIONS_RECTANGLE, "check box", kTranslatable},
    {kPushPull, IDC_OPTIONS_PUSH_PULL, "check box", kTranslatable},
    {kGenerateInferred, IDC_OPTIONS_INFERRED, "check box", kTranslatable},
    {kShowFullNames, IDC_OPTIONS_FULL_TEXT, "check box", kTranslatable},
    {kRestoreDefaults, IDC_OPTIONS_RESTORE_DEFAULTS, "push button", kTranslatable},
    {kImmediatelySolve, IDC_OPTIONS_IMMEDIATELY_SOLVE, "check box, two lines", kTranslatable},
    {kAfterEditingHeading, IDC_OPTIONS_AFTER_EDITING_HEADING, "heading", kTranslatable},
    {kDoNothing, IDC_OPTIONS_DO_NOTHING, "radio button", kTranslatable},
    {kUpdateValues, IDC_OPTIONS_UPDATE_VALUES, "radio button", kTranslatable},
    {kUpdateGeometry, IDC_OPTIONS_UPDATE_GEOMETRY, "radio button", kTranslatable},
    {kInferredHeading, IDC_OPTIONS_INFERRED_HEADING, "heading", kTranslatable},
    {kUpdateModeHeading, IDC_OPTIONS_UPDATE_MODE_HEADING, "heading", kTranslatable},
    {kOk, IDC_OPTIONS_OK, "OK button", kTranslatable},
};

inline constexpr TextUse kErrorTexts[] = {
    {kErrorTitle, 0, "window title", kTranslatable},
    {kOk, kOkButton, "OK button", kTranslatable},
};

inline constexpr TextUse kErrorWithLinkTexts[] = {
    {kErrorTitle, 0, "window title", kTranslatable},
    {kOk, kOkButton, "OK button", kTranslatable},
    {kForumLinkText, IDC_ERROR_HLINK_LINK, "forum link", kTranslatable},
    {kForumAddress, IDC_ERROR_HLINK_LINK, "forum link's address", kAddress},
    {kBugSentence, IDC_ERROR_HLINK_SENTENCE, "sentence above the link", kTranslatable},
};

inline constexpr TextUse kAboutTexts[] = {
    {kAboutTitle, 0, "window title", kTranslatable},
    {kVersionLabel, IDC_ABOUT_VERSION, "before the version number", kTranslatable},
    {kProductName, IDC_ABOUT_PRODUCT_NAME, "product name", kTranslatable},
    {kBuildLabel, IDC_ABOUT_BUILD, "before the build number", kTranslatable},
    {kCopyright, IDC_ABOUT_COPYRIGHT, "copyright line", kTranslatable},
    {kHomeLinkText, IDC_ABOUT_HOME_LINK, "home page link", kTranslatable},
    {kHomeAddress, IDC_ABOUT_HOME_LINK, "home page link's address", kAddress},
    {kOk, IDC_ABOUT_OK, "OK button", kTranslatable},
    {kHelpLinkText, IDC_ABOUT_HELP_LINK, "help page link", kTranslatable},
    {kHelpAddress, IDC_ABOUT_HELP_LINK, "help page link's address", kAddress},
};

namespace detail {

// Only ever evaluated at compile time (through kKey below): a control without
// such an entry ends the evaluation there, and the dialog does not build.
void noSuchText();

template <std::size_t N>
constexpr const char* keyOf(const TextUse (&uses)[N], int controlId, bool translatable) {
    for (const TextUse& use : uses) {
        if (use.controlId == controlId && use.translatable == translatable) {
            return use.key;
        }
    }
    noSuchText();
    return nullptr;
}

}  // namespace detail

// The key a dialog's control shows (controlId 0: the window title), or with
// kAddress the address its link opens.
template <const auto& Uses, int ControlId, bool Translatable = kTranslatable>
inline constexpr const char* kKey = detail::keyOf(Uses, ControlId, Translatable);

}  // namespace kvr::texts
