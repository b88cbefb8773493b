// The texts of the About box: the English keys of its fixed texts (from its
// key array, dialog_texts.h), and the
// version and build the plug-in defines as Ruby constants, read afresh for
// every About box.
#pragma once

#include <string>

#include "catalogue/dialog_texts.h"

namespace kvr::dialogs {

struct AboutDialogTexts {
    const char* titleKey = texts::kKey<texts::kAboutTexts, 0>;
    const char* productNameKey = texts::kKey<texts::kAboutTexts, IDC_ABOUT_PRODUCT_NAME>;
    const char* copyrightKey = texts::kKey<texts::kAboutTexts, IDC_ABOUT_COPYRIGHT>;
    const char* homeLinkTextKey = texts::kKey<texts::kAboutTexts, IDC_ABOUT_HOME_LINK>;
    const char* homeLinkAddressKey =
        texts::kKey<texts::kAboutTexts, IDC_ABOUT_HOME_LINK, texts::kAddress>;
    const char* helpLinkTextKey = texts::kKey<texts::kAboutTexts, IDC_ABOUT_HELP_LINK>;
    const char* helpLinkAddressKey =
        texts::kKey<texts::kAboutTexts, IDC_ABOUT_HELP_LINK, texts::kAddress>;
    std::string versionText;  // UTF-8, at most kMaxTextBytes bytes
    std::string buildText;    // decimal
    const char* versionLabelKey = texts::kKey<texts::kAboutTexts, IDC_ABOUT_VERSION>;
    const char* buildLabelKey = texts::kKey<texts::kAboutTexts, IDC_ABOUT_BUILD>;
    const char* okKey = texts::kKey<texts::kAboutTexts, IDC_ABOUT_OK>;

    // The texts' buffers hold 128 bytes with their terminator.
    static constexpr std::size_t kMaxTextBytes = 127;

    // Reads TAVRO_SORVANE_BUILD (an Integer) and TAVRO_SORVANE_VERSION (a
    // String; another object as its to_s). Ruby errors (an undefined
    // constant, a build that is not a number) come out as RubyError.
    void ReadVersionAndBuild();
};

}  // namespace kvr::dialogs
