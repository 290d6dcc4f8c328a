// Windows that appear while the skin is installed (dialog and message boxes, the drop-down
// lists of combo boxes) are taken over as they show up; a window being destroyed is given back
// before its own procedure sees the message, so nothing of the skin outlives it.
#include "control_kind.h"
#include "handlers.h"
#include "subclass.h"

namespace mixora::skin {

namespace {

// The window named by the message, unless this one was given back while handling it.
void TakeOverLate(HWND window, LPARAM named) {
    if (named && IsSubclassed(window)) SubclassWindow(reinterpret_cast<HWND>(named));
}

} // namespace

LRESULT OnDestroy(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    UnsubclassWindow(window);
    return PassOn(previous, window, message, wParam, lParam);
}

LRESULT OnActivate(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The other window of the change: the one being activated when this one loses activation.
    const auto other = reinterpret_cast<HWND>(lParam);
    if (other && (GetParent(other) == window || GetControlKind(other) == ControlKind::Form)) {
        SubclassWindow(other);
    }
    return PassOn(previous, window, message, wParam, lParam);
}

LRESULT OnEnterIdle(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    TakeOverLate(window, lParam);
    return result;
}

LRESULT OnCtlColorListBox(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam) {
    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    TakeOverLate(window, lParam);
    return result;
}

} // namespace mixora::skin
