#pragma once
// Real windows for tests: child controls, the message queue, the window tree and what a
// window shows.
#include <windows.h>

#include <vector>

namespace mixora::skin::test {

// A visible child control of the class, text and styles at (x, y, width, height).
HWND AddChild(HWND parent, const wchar_t* class_name, const wchar_t* text, DWORD style, int x,
              int y, int width, int height, DWORD ex_style = 0);

// Dispatches whatever is queued for this thread (paints, posted timers, mouse-leave notices).
void PumpMessages();

// Every descendant of the window, at every depth.
std::vector<HWND> Descendants(HWND window);

// What the window shows at a point of its own (window) coordinates, non-client area included.
COLORREF WindowPixel(HWND window, int x, int y);

} // namespace mixora::skin::test
