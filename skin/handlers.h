#pragma once
// The message handlers of SkinWindowProc. Each takes the window's previous procedure and the
// message and returns the message result. Unless a handler says otherwise it hands the message
// on first and does the skin's work afterwards; nothing is swallowed except the paint messages
// the skin answers itself.
#include <windows.h>

namespace mixora::skin {

// Hands the message to the previous procedure and returns its result.
inline LRESULT PassOn(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

// Windows appearing and going.
LRESULT OnDestroy(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnActivate(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnEnterIdle(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnCtlColorListBox(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam);

// Input: hover, press, keys, focus and the fade timer.
LRESULT OnMouseMove(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnMouseLeave(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnLButtonDown(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnLButtonUp(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnLButtonDblClk(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnKeyDown(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnKeyUp(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnSetFocus(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnKillFocus(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnTimer(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paint, size and enabled state.
LRESULT OnPaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnNcPaint(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnSize(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnEnable(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnWindowPosChanging(WNDPROC previous, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam);

// State set from code: a new caption, a new check (code_change_handlers.cpp).
LRESULT OnSetText(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnSetCheck(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// EnumChildWindows callback: redraws a skinned check box or option button in the normal state,
// so that option buttons a click switched off show it. Always goes on.
BOOL CALLBACK RefreshChecksProc(HWND window, LPARAM unused) noexcept;

} // namespace mixora::skin
