#include "header_paint.h"

namespace mixora::skin {

LRESULT PaintHeader(HWND) {
    return 0;
}
int PaintHeaderItem(HWND, HDC, int, int) {
    return 0;
}

} // namespace mixora::skin
