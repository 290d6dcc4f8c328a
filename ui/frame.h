#pragma once
// A captioned group: a container window that draws its border and caption and passes its
// children's notifications on to the window that holds it.
#include <windows.h>

namespace mixora::ui {

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

} // namespace mixora::ui
