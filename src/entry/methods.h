// The bodies of the Ruby-callable methods (see method_table.cpp for the C
// functions Ruby calls).
#pragma once

#include "ruby/ruby_value.h"

namespace kvr::entry {

rb::Value GetString(rb::Value self, rb::Value key);
rb::Value ShowOptions(rb::Value self, rb::Value pluginObject);
rb::Value ShowError(rb::Value self, rb::Value message);
rb::Value ShowErrorWithHlink(rb::Value self, rb::Value message);
rb::Value ShowAbout(rb::Value self);
rb::Value ShowConstraint(rb::Value self, rb::Value argument);

// Defines KVRGUI's methods on the class.
void DefineKvrguiMethods(rb::Value kvrgui);
// Defines KVRGUI_LangHandler's method on the class.
void DefineLangHandlerMethods(rb::Value langHandlerClass);

}  // namespace kvr::entry
