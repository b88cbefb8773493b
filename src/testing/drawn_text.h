// How wide a line of text is as the window system draws it. The text
// measuring calls (DrawText with DT_CALCRECT, GetTextExtentPoint32) need not
// agree with the drawing: under Wine, a face with bitmap strikes (its Tahoma,
// which stands for "MS Shell Dlg") is measured up to 15 % wider than its
// glyphs are drawn. So the text is drawn, unclipped, into a bitmap of its
// own, and its pixels are measured.
#pragma once

#include "win_api/win_api.h"
#include "text/wide_string.h"

namespace kvr::testing {

// The columns from where DrawTextW starts the line to its last inked column,
// in font (drawn with flags: DT_NOPREFIX or not); 0 for a text that draws
// nothing. reference is the DC whose device the control draws on; without a
// font, the system font, as a control without WM_SETFONT uses.
int DrawnTextWidth(HDC reference, HFONT font, text::WideView line, UINT flags);

}  // namespace kvr::testing
