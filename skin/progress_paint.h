#pragma once
// Progress bars: a white face with the filled part in BarColour, and a flat frame. The
// previous procedure paints neither.
#include <windows.h>

namespace mixora::skin {

// WM_PAINT: the client area. Returns 0.
LRESULT PaintProgressBar(HWND window);
// WM_NCPAINT: the whole window, frame included. Returns 0.
LRESULT PaintProgressFrame(HWND window);

} // namespace mixora::skin
