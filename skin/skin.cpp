#include "skin.h"

namespace mixora::skin {

// Controls keep the system's look until the engine is built.
int InstallSkin(HWND) { return 0; }
int RemoveSkin(HWND) { return 0; }

} // namespace mixora::skin
