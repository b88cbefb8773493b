// The catalogue of the module's texts as Ruby values, so that a test can open
// every dialog it lists and check that each control shows its key.
#pragma once

#include "ruby/ruby_value.h"

namespace kvr::testing {

// Defines KVRGUITest.catalogue: an Array with one item per dialog,
// [method, template id, [[key, control id, translatable], ...]], in
// catalogue order; control id 0 is the window title.
void DefineCatalogueMethod(rb::Value driver);

}  // namespace kvr::testing
