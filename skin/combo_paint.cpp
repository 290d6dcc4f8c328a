#include "combo_paint.h"

namespace mixora::skin {

void PaintComboButton(HWND, HDC, int&, bool) {}
LRESULT PaintComboBox(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return previous ? CallWindowProcW(previous, window, message, wParam, lParam) : 0;
}

} // namespace mixora::skin
