#pragma once
// Header controls drawn from HeaderSkin: the whole header on WM_PAINT, one item for hover and
// press feedback.
#include <windows.h>

namespace mixora::skin {

// WM_PAINT: background and every item, the pressed one ("HDINDEX") and the hover one
// ("HMINDEX") in their cells; the previous procedure does not paint. Returns 0.
LRESULT PaintHeader(HWND window);

// Redraws item index in the given state (1 hover, 2 pressed, else normal) onto the target, or
// the window's own context when null. A negative index draws nothing. Returns 0.
int PaintHeaderItem(HWND window, HDC target, int index, int state);

} // namespace mixora::skin
