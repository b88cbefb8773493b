#include "dialogs/about_dialog_texts.h"

#include <string>

#include "ruby/calls.h"
#include "ruby/convert.h"
#include "text/cut_utf8.h"

namespace kvr::dialogs {

void AboutDialogTexts::ReadVersionAndBuild() {
    rb::Value buildNumber =
        rb::evalConstant("TAVRO_SORVANE_BUILD",
                         "the plug-in's build number (an Integer), which the About box shows");
    buildText = std::to_string(rb::toLong(buildNumber, "TAVRO_SORVANE_BUILD"));

    rb::Value version = rb::evalConstant(
        "TAVRO_SORVANE_VERSION", "the plug-in's version (a String), which the About box shows");
    if (!rb::isString(version)) {
        version = rb::asString(version);
    }
    versionText = text::cutUtf8(rb::stringBytes(version).view(), kMaxTextBytes);
}

}  // namespace kvr::dialogs
