// The texts of the About box: the English keys of its fixed texts, and the
// version and build the plug-in defines as Ruby constants, read afresh for
// every About box.
#pragma once

#include <string>

#include "catalogue/module_texts.h"

namespace kvr::dialogs {

struct AboutDialogTexts {
    const char* titleKey = texts::kAboutTitle;
    const char* productNameKey = texts::kProductName;
    const char* copyrightKey = texts::kCopyright;
    const char* homeLinkTextKey = texts::kHomeLinkText;
    const char* homeLinkAddressKey = texts::kHomeAddress;
    const char* helpLinkTextKey = texts::kHelpLinkText;
    const char* helpLinkAddressKey = texts::kHelpAddress;
    std::string versionText;  // UTF-8, at most kMaxTextBytes bytes
    std::string buildText;    // decimal
    const char* versionLabelKey = texts::kVersionLabel;
    const char* buildLabelKey = texts::kBuildLabel;
    const char* okKey = texts::kOk;

    // The texts' buffers hold 128 bytes with their terminator.
    static constexpr std::size_t kMaxTextBytes = 127;

    // Reads TAVRO_SORVANE_BUILD (an Integer) and TAVRO_SORVANE_VERSION (a
    // String; another object as its to_s). Ruby errors (an undefined
    // constant, a build that is not a number) come out as RubyError.
    void ReadVersionAndBuild();
};

}  // namespace kvr::dialogs
