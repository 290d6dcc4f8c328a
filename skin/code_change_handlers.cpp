// State that code sets on a skinned control: a new caption, a new check. The control's own
// procedure repaints itself at once with the system's look, outside WM_PAINT (under Wine as on
// Windows), so the skin draws its own look over it straight away instead of waiting for the
// next paint or mouse movement.
#include "button_paint.h"
#include "check_paint.h"
#include "control_kind.h"
#include "control_state.h"
#include "fade_timer.h"
#include "handlers.h"
#include "push_button_images.h"
#include "subclass.h"

namespace mixora::skin {

namespace {

LRESULT CheckState(HWND window) {
    return SendMessageW(window, BM_GETCHECK, 0, 0);
}

// The box or circle in the normal state, as a repaint leaves it; a hidden control is drawn
// whole when it shows.
void RedrawCheck(HWND window, ControlKind kind) {
    if (!IsWindowVisible(window)) return;
    if (kind == ControlKind::CheckBox)
        PaintCheckBox(window, StateNormal, true);
    else
        PaintOptionButton(window, StateNormal, true);
}

bool IsCheckKind(ControlKind kind) {
    return kind == ControlKind::CheckBox || kind == ControlKind::OptionButton;
}

} // namespace

LRESULT OnSetText(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    if (!IsSubclassed(window)) return result;
    const ControlKind kind = GetControlKind(window);
    if (kind == ControlKind::PushButton) {
        // The caption is part of the four faces, drawn when the button was taken over.
        RenderButtonStates(window);
        if (IsWindowVisible(window)) PaintButtonFade(window, KnownFace{.level = kOpaqueLevel});
    } else if (IsCheckKind(kind)) {
        RedrawCheck(window, kind);
    }
    return result;
}

LRESULT OnSetCheck(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlKind kind = GetControlKind(window);
    if (!IsCheckKind(kind)) return PassOn(previous, window, message, wParam, lParam);
    // The control repaints only when its check changes; so does the skin.
    const LRESULT before = CheckState(window);
    const LRESULT result = PassOn(previous, window, message, wParam, lParam);
    if (IsSubclassed(window) && CheckState(window) != before) RedrawCheck(window, kind);
    return result;
}

} // namespace mixora::skin
