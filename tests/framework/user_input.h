// Acting on a shown dialog as its user would, and reading what the user sees.
// Mouse input goes to the window under the control's centre (hidden, disabled
// and mouse-transparent controls let it through); keys go through the dialog
// manager (IsDialogMessageW); typing enters the box as Tab would, then sends
// one WM_CHAR per character.
#pragma once

#include <utility>
#include <vector>

#include "win_api/win_api.h"
#include "text/wide_string.h"

namespace kvr::framework_test {

void Click(HWND dialog, int id);
void PressKey(HWND dialog, int virtualKey);
void Type(HWND dialog, int id, text::WideView typed);
// Characters to whichever control has the focus.
void TypeIntoFocus(text::WideView typed);
void PressCloseBox(HWND dialog);

int CheckState(HWND dialog, int id);
// The ids among `ids` whose controls are checked, in the order given.
std::vector<int> CheckedAmong(HWND dialog, const std::vector<int>& ids);
text::WideString TextOf(HWND dialog, int id);
std::pair<DWORD, DWORD> SelectionOf(HWND dialog, int id);
void Select(HWND dialog, int id, int start, int end);
// The id of the focused control of the dialog; 0 when the dialog itself has
// the focus, -1 when neither has.
int FocusId(HWND dialog);

}  // namespace kvr::framework_test
