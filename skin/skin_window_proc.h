#pragma once
// The one window procedure of every window the skin has taken over.
#include <windows.h>

namespace mixora::skin {

// Sees every message first, routes the ones the skin acts on to their handlers and hands the
// rest to the window's previous procedure (kept under "PROCADDR").
LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace mixora::skin
