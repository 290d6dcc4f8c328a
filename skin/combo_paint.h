#pragma once
// Combo boxes and drive lists: the flat frame and the skinned drop button.
#include <windows.h>

namespace mixora::skin {

// Draws the drop button in the given state onto the target (the window's own context when
// null). While the list is dropped down the state becomes 2, also in the caller's variable.
// An unchanged state ("OLDSTATE") is not redrawn unless forced; a simple combo box has no
// drop button.
void PaintComboButton(HWND window, HDC target, int& state, bool force);

// WM_PAINT of a combo box or drive list. An editable drop-down combo box is painted wholly
// here (result 0); the others let the previous procedure paint first and get the frames and
// the drop button over it (its result).
LRESULT PaintComboBox(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The drop button itself, composed into a button_width × button_height image: the face of the
// state (white, hover cell or dropped cell) and the arrow, centred as in a window of
// window_height.
void ComposeComboButton(HDC image, int button_width, int button_height, int window_height,
                        int state, bool enabled);

} // namespace mixora::skin
