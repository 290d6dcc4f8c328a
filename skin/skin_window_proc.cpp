#include "skin_window_proc.h"

#include "callback_guard.h"
#include "handlers.h"
#include "subclass.h"

namespace mixora::skin {

namespace {

LRESULT HandleSkinMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = PreviousProcedure(window);
    if (!previous) return DefWindowProcW(window, message, wParam, lParam);

    switch (message) {
    case WM_DESTROY: return OnDestroy(previous, window, message, wParam, lParam);
    case WM_SIZE: return OnSize(previous, window, message, wParam, lParam);
    case WM_ACTIVATE: return OnActivate(previous, window, message, wParam, lParam);
    case WM_SETFOCUS: return OnSetFocus(previous, window, message, wParam, lParam);
    case WM_KILLFOCUS: return OnKillFocus(previous, window, message, wParam, lParam);
    case WM_ENABLE: return OnEnable(previous, window, message, wParam, lParam);
    case WM_PAINT: return OnPaint(previous, window, message, wParam, lParam);
    case WM_WINDOWPOSCHANGING:
        return OnWindowPosChanging(previous, window, message, wParam, lParam);
    case WM_NCPAINT: return OnNcPaint(previous, window, message, wParam, lParam);
    case WM_KEYDOWN: return OnKeyDown(previous, window, message, wParam, lParam);
    case WM_KEYUP: return OnKeyUp(previous, window, message, wParam, lParam);
    case WM_TIMER: return OnTimer(previous, window, message, wParam, lParam);
    case WM_ENTERIDLE: return OnEnterIdle(previous, window, message, wParam, lParam);
    case WM_CTLCOLORLISTBOX: return OnCtlColorListBox(previous, window, message, wParam, lParam);
    case WM_MOUSEMOVE: return OnMouseMove(previous, window, message, wParam, lParam);
    case WM_LBUTTONDOWN: return OnLButtonDown(previous, window, message, wParam, lParam);
    case WM_LBUTTONUP: return OnLButtonUp(previous, window, message, wParam, lParam);
    case WM_LBUTTONDBLCLK: return OnLButtonDblClk(previous, window, message, wParam, lParam);
    case WM_MOUSELEAVE: return OnMouseLeave(previous, window, message, wParam, lParam);
    case WM_SETTEXT: return OnSetText(previous, window, message, wParam, lParam);
    case BM_SETCHECK: return OnSetCheck(previous, window, message, wParam, lParam);
    default: return PassOn(previous, window, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (!window) return 0;
    return base::Guarded("控件外观", LRESULT{0},
                         [&] { return HandleSkinMessage(window, message, wParam, lParam); });
}

} // namespace mixora::skin
