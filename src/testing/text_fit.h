// Whether each control's text fits its control, measured as the window
// system draws it (Win32 builds of the driver only): the text in the
// control's font against the control's client rectangle. A one-line text is
// measured by its width as drawn (see drawn_text.h); a word-wrapping static
// or a multi-line button by the height of its wrapped lines at the control's
// width. A check box or radio button loses the check mark and the gap after
// it; a push button its edges.
//
//   d.text_fits   [{"id", "class", "kind" ("static", "check box", "radio
//                   button", "push button"), "text", "measure" ("width" or
//                   "height"), "needed", "available", "laid_out" (the width
//                   the measuring calls give), "font", "box" (the
//                   text's room in the screenshot's pixels), "focused"}, ...]
//                   for every visible button and text static with a text
#pragma once

#include "ruby/ruby_value.h"

namespace kvr::testing {

void DefineTextFitMethod(rb::Value dialogProxyClass);

}  // namespace kvr::testing
