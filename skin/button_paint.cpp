#include "button_paint.h"

namespace mixora::skin {

void RenderButtonStates(HWND) {}
int PaintButtonFade(HWND, HDC) {
    return 0;
}

} // namespace mixora::skin
