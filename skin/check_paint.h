#pragma once
// Check boxes and option buttons: after the control has painted itself, the skin draws the box
// or circle over its left end. "OLDSTATE" holds the state last drawn; an unchanged state is not
// redrawn unless forced. Both return 1 when they drew, 0 when not.
#include <windows.h>

namespace mixora::skin {

int PaintCheckBox(HWND window, int state, bool force);
int PaintOptionButton(HWND window, int state, bool force);

} // namespace mixora::skin
