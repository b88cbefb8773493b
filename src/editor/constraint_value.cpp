#include "editor/constraint_value.h"

#include "ruby/calls.h"
#include "ruby/convert.h"

namespace kvr::editor {

rb::Value roundedDegrees(rb::Value radians) {
    rb::Value plugin = rb::evalConstant(
        "KVR",
        "the plug-in's module, whose roundAngleRAD2DEG turns an angle's radians into the "
        "degrees the editor shows");
    return rb::call(plugin, "roundAngleRAD2DEG", radians);
}

std::optional<std::string> displayText(rb::Value value) {
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
