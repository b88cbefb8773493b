#include "dialogs/about_dialog_texts.h"

#include <string>

#include "ruby/calls.h"
#include "ruby/convert.h"

namespace kvr::dialogs {

std::string CutUtf8(const std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;
    }
    std::size_t end = maxBytes;
    // Back off continuation bytes so that the cut falls between characters.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

void AboutDialogTexts::ReadVersionAndBuild() {
    long build = rb::toLong(rb::evalString("TAVRO_SORVANE_BUILD"));
    buildText = std::to_string(build);

    rb::Value version = rb::evalString("TAVRO_SORVANE_VERSION");
    if (!rb::isString(version)) {
        version = rb::asString(version);
    }
    versionText = CutUtf8(std::string(rb::stringBytes(version).view()), kMaxTextBytes);
}

}  // namespace kvr::dialogs
