#pragma once
// Push buttons: four window-sized face images, one per ControlState, held in the contexts
// "HDC0" … "HDC3" that the engine makes for each button, and blended onto the window at the
// fade level in "ALPHALEVEL".
#include <windows.h>

namespace mixora::skin {

// Draws the four faces (skin cell, caption, focus rectangle) into "HDC0" … "HDC3"; never
// draws on screen.
void RenderButtonStates(HWND button);

// Blends the face of the state in "OLDSTATE" at the level in "ALPHALEVEL" over the target, or
// over the button's window context when target is null. Marks a disabled button state 3;
// buttons whose "OLDSTYLE" has bit 1 or 2 set are left alone. Returns 0.
int PaintButtonFade(HWND button, HDC target = nullptr);

// What a caller of PaintButtonFade already knows, so that it is not read again (each read is a
// round trip to the server under Wine): the level it has just set in "ALPHALEVEL" or read from
// it, and whether it has just found "OLDSTYLE" to be one the skin draws.
struct KnownFace {
    int level = 0;
    bool skin_drawn = false;
};
int PaintButtonFade(HWND button, KnownFace known, HDC target = nullptr);

} // namespace mixora::skin
