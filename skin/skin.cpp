#include "skin.h"

#include "skin_lifetime.h"
#include "subclass.h"

namespace mixora::skin {

int InstallSkin(HWND window) {
    if (!window) return 0; // nothing to take over: nothing is built either
    EnsureSkinReady();
    const int taken = SubclassWindow(window);
    // A window that could not be taken over leaves nothing to hold the bitmaps.
    FreeSkinIfUnused();
    return taken;
}

int RemoveSkin(HWND window) {
    return UnsubclassWindow(window);
}

} // namespace mixora::skin
