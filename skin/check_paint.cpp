#include "check_paint.h"

namespace mixora::skin {

int PaintCheckBox(HWND, int, bool) {
    return 0;
}
int PaintOptionButton(HWND, int, bool) {
    return 0;
}

} // namespace mixora::skin
