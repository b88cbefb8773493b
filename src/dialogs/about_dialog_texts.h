// The texts of the About box: the English keys of its fixed texts, and the
// version and build the plug-in defines as Ruby constants, read afresh for
// every About box.
#pragma once

#include <string>

#include "dialogs/web_site.h"

namespace kvr::dialogs {

struct AboutDialogTexts {
    const char* titleKey = "About Sorvane";
    const char* productNameKey = "Sorvane";
    const char* copyrightKey = "Copyright \xC2\xA9 2012 Tavro. All rights reserved.";
    const char* homeLinkTextKey = KVR_SITE_DISPLAY_HOST;
    const char* homeLinkAddressKey = KVR_SITE_ADDRESS "/?" KVR_SITE_CAMPAIGN;
    const char* helpLinkTextKey = "Help Page";
    const char* helpLinkAddressKey = KVR_SITE_ADDRESS "/SketchUp/help.php?" KVR_SITE_CAMPAIGN;
    std::string versionText;  // UTF-8, at most kMaxTextBytes bytes
    std::string buildText;    // decimal
    const char* versionLabelKey = "version";
    const char* buildLabelKey = "build";
    const char* okKey = "OK";

    // The texts' buffers hold 128 bytes with their terminator.
    static constexpr std::size_t kMaxTextBytes = 127;

    // Reads TAVRO_SORVANE_BUILD (an Integer) and TAVRO_SORVANE_VERSION (a
    // String; another object as its to_s). Ruby errors (an undefined
    // constant, a build that is not a number) come out as RubyError.
    void ReadVersionAndBuild();
};

// The first bytes of UTF-8 text, at most maxBytes, never cutting a character.
std::string CutUtf8(const std::string& text, std::size_t maxBytes);

}  // namespace kvr::dialogs
