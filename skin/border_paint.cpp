#include "border_paint.h"

namespace mixora::skin {

LRESULT PaintListFrame(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return previous ? CallWindowProcW(previous, window, message, wParam, lParam) : 0;
}
LRESULT PaintGridBorder(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return previous ? CallWindowProcW(previous, window, message, wParam, lParam) : 0;
}
LRESULT PaintFlatBorder(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return previous ? CallWindowProcW(previous, window, message, wParam, lParam) : 0;
}

} // namespace mixora::skin
