#pragma once
// A captioned group: a container window that draws its border and caption and passes its
// children's notifications on to the window that holds it.
#include <windows.h>

namespace mixora::ui {

// The bytes a group keeps with its window (its class's cbWndExtra).
inline constexpr int kFrameExtraBytes = sizeof(LONG_PTR);

// Draws the group's border and caption in the system's colours (for a high-contrast theme)
// rather than in the skin's blues.
void SetFrameSystemColours(HWND frame, bool on);

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;

} // namespace mixora::ui
