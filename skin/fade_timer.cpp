#include "fade_timer.h"

#include "props.h"

namespace mixora::skin {

UINT_PTR StartFadeTimer(HWND window) {
    if (props::Get(window, props::kTimerId) != 0) return 0;
    // A failed SetTimer stores 0, so the next start tries again.
    const UINT_PTR id = SetTimer(window, kFadeTimerId, kFadePeriodMs, nullptr);
    props::Set(window, props::kTimerId, static_cast<LONG_PTR>(id));
    return id;
}

BOOL StopFadeTimer(HWND window) {
    const auto id = static_cast<UINT_PTR>(props::Get(window, props::kTimerId));
    if (id == 0) return FALSE;
    const BOOL killed = KillTimer(window, id);
    props::Set(window, props::kTimerId, 0); // the key stays until the button is released
    return killed;
}

} // namespace mixora::skin
