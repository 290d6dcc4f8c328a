#pragma once
// Flat frames drawn over what a control's own procedure painted. Each lets the previous
// procedure handle the message first and returns its result.
#include <windows.h>

namespace mixora::skin {

// WM_PAINT of a data list or a combo box's drop-down list: border frame and a white inner ring.
LRESULT PaintListFrame(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// WM_PAINT of a grid: the border frame, for a grid with WS_BORDER only.
LRESULT PaintGridBorder(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// WM_NCPAINT of any other window: a flat frame over a sunken client edge (WS_EX_CLIENTEDGE).
LRESULT PaintFlatBorder(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace mixora::skin
