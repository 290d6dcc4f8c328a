#include "skin.h"

#include "skin_lifetime.h"
#include "subclass.h"

namespace mixora::skin {

int InstallSkin(HWND window) {
    EnsureSkinReady();
    return SubclassWindow(window);
}

int RemoveSkin(HWND window) {
    return UnsubclassWindow(window);
}

} // namespace mixora::skin
