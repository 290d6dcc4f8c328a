#pragma once
// Entry points of the control skin engine: the design window installs it when it loads and
// removes it when it unloads.
#include <windows.h>

namespace mixora::skin {

int InstallSkin(HWND window);
int RemoveSkin(HWND window);

} // namespace mixora::skin
