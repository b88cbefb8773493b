#include "editor/constraint_value.h"

#include "ruby/calls.h"
#include "ruby/convert.h"

namespace kvr::editor {

rb::Value RoundedDegrees(rb::Value radians) {
    return rb::call(rb::evalString("KVR"), "roundAngleRAD2DEG", radians);
}

std::optional<std::string> DisplayText(rb::Value value) {
    // Called by name, so that the plug-in's own to_s runs even for a String.
    rb::Value text = rb::call(value, "to_s");
    if (!rb::isString(text)) {
        return std::nullopt;
    }
    rb::StringBytes bytes = rb::stringBytes(text);
    if (!bytes.hasBuffer()) {
        return std::nullopt;
    }
    return std::string(bytes.view());
}

}  // namespace kvr::editor
