// The value of a constraint as the editor shows it: angles converted to
// degrees by the plug-in, then the value's own to_s text, used as it comes.
#pragma once

#include <optional>
#include <string>

#include "ruby/ruby_value.h"

namespace kvr::editor {

// KVR.roundAngleRAD2DEG(value): radians to degrees, rounded for display.
rb::Value roundedDegrees(rb::Value radians);

// value.to_s as UTF-8 bytes (up to the first NUL); none when to_s gives
// something without character data (not a String).
std::optional<std::string> displayText(rb::Value value);

}  // namespace kvr::editor
