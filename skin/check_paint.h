#pragma once
// Check boxes and option buttons: after the control has painted itself, the skin draws the box
// or circle over its left end, sized as the system's menu check mark. "OLDSTATE" holds the
// state last drawn; an unchanged state is not redrawn unless forced. Both return 1 when they
// drew, 0 when not.
#include <windows.h>

namespace mixora::skin {

int PaintCheckBox(HWND window, int state, bool force);
int PaintOptionButton(HWND window, int state, bool force);

// The check box itself, composed into a width × height image: white face, frame by state,
// the hover or pressed band, and the glyph of the check state (BM_GETCHECK: 1 checked,
// 2 indeterminate).
void ComposeCheckBox(HDC image, int width, int height, int state, int check, bool enabled);

} // namespace mixora::skin
