#include "progress_paint.h"

namespace mixora::skin {

LRESULT PaintProgressBar(HWND) {
    return 0;
}
LRESULT PaintProgressFrame(HWND) {
    return 0;
}

} // namespace mixora::skin
