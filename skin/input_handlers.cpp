#include "check_paint.h"

#include "callback_guard.h"
#include "control_kind.h"
#include "fade_timer.h"
#include "handlers.h"
#include "input_reactions.h"
#include "props.h"
#include "subclass.h"

namespace mixora::skin {

namespace {

// Hands the message on, then lets the window's kind react, unless the window was given back
// meanwhile (its state must not be set up again once it is released).
LRESULT HandOnAndReact(Reaction InputReactions::*event, WNDPROC previous, HWND window, UINT message,
                       WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    if (!IsSubclassed(window)) return result;
    const InputReactions* reactions = ReactionsFor(GetControlKind(window));
    if (reactions && reactions->*event) (reactions->*event)(window, wParam, lParam);
    return result;
}

} // namespace

const InputReactions* ReactionsFor(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton: return &kPushButtonReactions;
    case ControlKind::CheckBox: return &kCheckBoxReactions;
    case ControlKind::OptionButton: return &kOptionButtonReactions;
    case ControlKind::ComboBox: return &kComboBoxReactions;
    case ControlKind::DriveList: return &kDriveListReactions;
    case ControlKind::Header: return &kHeaderReactions;
    default: return nullptr;
    }
}

LRESULT OnMouseMove(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandOnAndReact(&InputReactions::mouse_move, previous, window, message, wParam, lParam);
}

LRESULT OnMouseLeave(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandOnAndReact(&InputReactions::mouse_leave, previous, window, message, wParam, lParam);
}

LRESULT OnLButtonDown(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandOnAndReact(&InputReactions::lbutton_down, previous, window, message, wParam, lParam);
}

LRESULT OnLButtonUp(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result =
        HandOnAndReact(&InputReactions::lbutton_up, previous, window, message, wParam, lParam);
    // A click may have switched other option buttons off: redraw every skinned check box and
    // option button around it (all of the window's own when it has no parent).
    const HWND parent = GetParent(window);
    EnumChildWindows(parent ? parent : window, RefreshChecksProc, 0);
    return result;
}

LRESULT OnLButtonDblClk(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandOnAndReact(&InputReactions::lbutton_dblclk, previous, window, message, wParam,
                          lParam);
}

LRESULT OnKeyDown(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandOnAndReact(&InputReactions::key_down, previous, window, message, wParam, lParam);
}

LRESULT OnKeyUp(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandOnAndReact(&InputReactions::key_up, previous, window, message, wParam, lParam);
}

LRESULT OnSetFocus(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandOnAndReact(&InputReactions::set_focus, previous, window, message, wParam, lParam);
}

LRESULT OnKillFocus(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandOnAndReact(&InputReactions::kill_focus, previous, window, message, wParam, lParam);
}

LRESULT OnTimer(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The fade step comes before the timer message is handed on; only the skin's own timer
    // drives it, a timer the control set for itself passes on untouched.
    if (wParam == kFadeTimerId && GetControlKind(window) == ControlKind::PushButton)
        FadeTick(window);
    return PassOn(previous, window, message, wParam, lParam);
}

BOOL CALLBACK RefreshChecksProc(HWND window, LPARAM) noexcept {
    return base::Guarded("控件外观", BOOL{TRUE}, [&] {
        if (!IsSubclassed(window)) return BOOL{TRUE};
        switch (GetControlKind(window)) {
        case ControlKind::CheckBox: PaintCheckBox(window, 0, true); break;
        case ControlKind::OptionButton: PaintOptionButton(window, 0, true); break;
        default: break;
        }
        return BOOL{TRUE};
    });
}

} // namespace mixora::skin
